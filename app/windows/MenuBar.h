// The main menu: built from the command table, laid out in as many rows as the width needs.
#pragma once

#include "app/CommandTable.h"

#include <QWidget>

#include <functional>
#include <vector>

class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace orlenvo::app {

class WrappingMenuBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 22;

    // Builds every menu of the command table; `chosen` receives the action of a chosen command.
    explicit WrappingMenuBar(std::function<void(const CommandAction &)> chosen, QWidget *parent = nullptr);
    ~WrappingMenuBar() override;

    const std::vector<QMenu *> &Menus() const { return menus_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Left and Right move across rows: from a row's last menu to the next row's first.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Relayout(int width);
    QMenuBar *RowOf(const QMenu *menu) const;

    std::vector<QMenu *> menus_;  // owned: the menus of the bar have no parent widget
    std::vector<int> titleWidths_;
    std::vector<QMenuBar *> rows_;
    QVBoxLayout *layout_;
};

// The icon of a command that shows one (empty for the others).
QIcon CommandIcon(const QString &caption);

}  // namespace orlenvo::app
