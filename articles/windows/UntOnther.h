// The omen window: seven fixed pages of readings by the hour, one shown per window.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QTabWidget;

namespace orlenvo::articles {

// The text lines of omen page 0 to 6, as the page shows them (one empty line between lines).
QStringList OmenPageLines(int page);

// The four-line note on the two-hour periods shown under every page (lines end with CR LF).
QString OmenNoteText();

class TFormOnther final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPages = 7;

    explicit TFormOnther(QWidget *parent = nullptr);

    // Makes page 0 to 6 the active page; other values leave the page unchanged.
    void setActivePage(int page);
    int activePage() const;

private:
    QTabWidget *RzPageControl1 = nullptr;
    QLabel *RzLabel1 = nullptr;
};

// Opens a new omen window with the caption, showing page 0 to 6.
void OpenOmenWindow(const QString &title, int page, QWidget *parent);

}  // namespace orlenvo::articles
