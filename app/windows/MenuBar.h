// The main menu: built from the command table, laid out in as many rows as the width needs.
#pragma once

#include "app/CommandTable.h"

#include <QWidget>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace orlenvo::app {

class WrappingMenuBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 22;

    // Builds the menus of the command table; `chosen` receives the action of a chosen command.
    // A menu's commands are made when it is first opened, or by Menus().
    explicit WrappingMenuBar(std::function<void(const CommandAction &)> chosen, QWidget *parent = nullptr);
    ~WrappingMenuBar() override;

    // The bar's menus, every command in them.
    const std::vector<QMenu *> &Menus();
    int RowCount() const { return static_cast<int>(rows_.size()); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Left and Right move across rows: from a row's last menu to the next row's first.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Fill(std::size_t index);
    void Relayout(int width);
    // A new row of the bar holding `menus`.
    QMenuBar *AddRow(const std::vector<QMenu *> &menus);
    QMenuBar *RowOf(const QMenu *menu) const;

    std::function<void(const CommandAction &)> chosen_;
    std::vector<QMenu *> menus_;  // owned: the menus of the bar have no parent widget
    // The command-table rows [first, second) of each menu's commands not made yet; {0, 0} once
    // they are (a menu's rows start after its own, at 1 or later).
    std::vector<std::pair<std::size_t, std::size_t>> unfilled_;
    std::vector<int> titleWidths_;
    std::vector<QMenuBar *> rows_;
    QVBoxLayout *layout_;
};

// The icon of a command that shows one (empty for the others).
QIcon CommandIcon(const QString &caption);

}  // namespace orlenvo::app
