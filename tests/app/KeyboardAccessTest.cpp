// Every window by keyboard alone and through the accessibility interface a screen reader reads:
// one table of windows, each opened offscreen and checked by rules derived from its controls.
#include "app/windows/EndMsg.h"
#include "app/windows/Uabout.h"
#include "app/windows/Unt_Main.h"
#include "app/windows/Unt_servers.h"
#include "articles/windows/ImageInfo.h"
#include "articles/windows/UntNote.h"
#include "articles/windows/UntOnther.h"
#include "articles/windows/Untabt.h"
#include "calendar/windows/DateWin.h"
#include "calendar/windows/DayPage.h"
#include "calendar/windows/huangdao.h"
#include "numerology/windows/UntQQ.h"
#include "numerology/windows/UntWangm.h"
#include "numerology/windows/Unt_sjcs.h"
#include "numerology/windows/Untonteher.h"
#include "tests/support/Children.h"
#include "tests/support/Doubles.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"
#include "ui/Keyboard.h"
#include "ui/UpDown.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <functional>
#include <memory>

using namespace orlenvo;
using namespace orlenvo::testing;

namespace {

struct WindowRow {
    const char *label;
    std::function<QWidget *()> open;  // a new window, not yet shown
    bool secondary = true;            // Escape closes it
};

RecordingDispatcher &Dispatch()
{
    static RecordingDispatcher dispatcher;
    return dispatcher;
}

app::ServiceEnvironment Offline()
{
    static RecordingLinks links;
    static MemoryStartPage startPage;
    app::ServiceEnvironment env;
    env.maker.server = QUrl();
    env.links = &links;
    env.startPage = &startPage;
    return env;
}

template <typename T>
QWidget *Titled(const QString &title)
{
    auto *window = new T;
    window->setWindowTitle(title);  // as the command that opens it does
    return window;
}

const std::vector<WindowRow> &Windows()
{
    static MemoryStartPage startPage;
    static const std::vector<WindowRow> rows = {
        {"main", [] { return new app::TFrmmain(Dispatch(), Offline()); }, false},
        {"calendar", [] { return new calendar::TFRM_Date; }},
        {"almanac", [] { return new calendar::TFormHuangdao; }},
        {"day page",
         [] {
             auto *page = new calendar::TFormDayPage;
             page->ShowDay(EncodeDate(2026, 2, 17));
             return page;
         }},
        {"mobile number", [] { return new numerology::TFrm_SJcs; }},
        {"net name", [] { return new numerology::TFrmWangming; }},
        {"QQ number", [] { return new numerology::TFrmQQhm; }},
        {"any number", [] { return new numerology::TFrm_onther; }},
        {"article", [] { return Titled<articles::TFrmNote>(QStringLiteral("孝经")); }},
        {"picture article", [] { return Titled<articles::TImageInfoLoad>(QStringLiteral("客厅招财布局 [图]")); }},
        {"omen", [] { return Titled<articles::TFormOnther>(QStringLiteral("眼跳测吉凶")); }},
        {"chart", [] { return new articles::TFrm_NanNv; }},
        {"about", [] { return new app::TAbout; }},
        {"service", [] { return new app::TFrm_servers; }},
        {"exit prompt", [] { return new app::TFrmMsG(startPage, QStringLiteral("http://example.invalid/"), nullptr); }},
    };
    return rows;
}

// Shows the window and makes it the active one, as a user's click would.
bool Activate(QWidget *window)
{
    if (!ShowOnScreen(window))
        return false;
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// The focusable, visible controls without a name, depth first.
void Unnamed(QAccessibleInterface *iface, QStringList &found)
{
    const QAccessible::State state = iface->state();
    if (state.focusable && !state.invisible && iface->text(QAccessible::Name).trimmed().isEmpty())
        found << (iface->object() ? iface->object()->objectName() : QStringLiteral("?"));
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface *child = iface->child(i))
            Unnamed(child, found);
}

// What a mouse can use: buttons, entry fields, lists, text areas, visible tab rows, pressable
// labels and spinners (their arrows and the text areas' scroll bars are parts of them).
QList<QWidget *> MouseControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->window() != window)
            continue;
        const bool control = qobject_cast<QPushButton *>(w) || qobject_cast<QComboBox *>(w) ||
                             (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget())) ||
                             qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTabBar *>(w) ||
                             qobject_cast<ui::PressableLabel *>(w) || qobject_cast<ui::UpDown *>(w);
        if (control)
            controls << w;
    }
    return controls;
}

QWidget *Focused()
{
    QWidget *focus = QApplication::focusWidget();
    // An editable list's field stands for its list.
    if (focus && qobject_cast<QComboBox *>(focus->parentWidget()))
        return focus->parentWidget();
    return focus;
}

QPushButton *ButtonCaptioned(QWidget *window, const QString &caption)
{
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->text() == caption && b->isVisibleTo(window))
            return b;
    return nullptr;
}

}  // namespace

class KeyboardAccessTest final : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void windows_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(Windows().size()); ++i)
            QTest::newRow(Windows()[i].label) << i;
    }

    // The screen reader's view: a window with its caption, every focusable control named,
    // lists named by their caption whatever they hold, result rows as caption and value.
    void windows()
    {
        QFETCH(int, row);
        QPointer<QWidget> window = Windows()[row].open();
        std::unique_ptr<QWidget> owner(window->testAttribute(Qt::WA_DeleteOnClose) ? nullptr : window.data());
        QVERIFY(Activate(window));

        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window);
        QVERIFY(iface->role() == QAccessible::Window || iface->role() == QAccessible::Dialog);
        QVERIFY(!window->windowTitle().isEmpty());
        QCOMPARE(iface->text(QAccessible::Name), window->windowTitle());
        QStringList unnamed;
        Unnamed(iface, unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

        for (QComboBox *list : window->findChildren<QComboBox *>()) {
            list->setCurrentIndex(list->count() - 1);
            QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name), list->accessibleName());
            QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Value), list->currentText());
            list->setCurrentIndex(-1);
        }
        // Each caption of a result box ("状态：") is followed by its value in reading order.
        for (QLabel *caption : window->findChildren<QLabel *>()) {
            if (!qobject_cast<QGroupBox *>(caption->parentWidget()) || !caption->text().endsWith(QStringLiteral("：")))
                continue;
            auto *value = qobject_cast<QLabel *>(caption->buddy());
            QVERIFY2(value, qPrintable(caption->text()));
            QAccessibleInterface *parent = QAccessible::queryAccessibleInterface(caption->parentWidget());
            QCOMPARE(parent->indexOfChild(QAccessible::queryAccessibleInterface(value)),
                     parent->indexOfChild(QAccessible::queryAccessibleInterface(caption)) + 1);
        }

        // Tab reaches every control a mouse can use, and never types into a text area.
        const QList<QWidget *> controls = MouseControls(window);
        QSet<QWidget *> reached;
        for (int i = 0; i < 2 * controls.size() + 2; ++i) {
            QWidget *before = Focused();
            const auto *memo = qobject_cast<QPlainTextEdit *>(before);
            const QString text = memo ? memo->toPlainText() : QString();
            QTest::keyClick(before ? before : window.data(), Qt::Key_Tab);
            if (memo) {
                QCOMPARE(memo->toPlainText(), text);
                QVERIFY(controls.size() < 2 || Focused() != memo);  // the only stop keeps the focus
            }
            reached << Focused();
        }
        for (QWidget *control : controls)
            QVERIFY2(reached.contains(control), qPrintable(control->objectName() + QStringLiteral(" not reached")));

        // Enter in an entry field or list runs the window's "测算", as a click on it does.
        if (QPushButton *run = ButtonCaptioned(window, QStringLiteral("测算"))) {
            SeenBox clicked;
            AnswerNextBox(clicked);
            run->click();
            QVERIFY(clicked.seen);
            for (QWidget *control : controls) {
                if (!qobject_cast<QLineEdit *>(control) && !qobject_cast<QComboBox *>(control))
                    continue;
                QVERIFY(Activate(window));
                control->setFocus();
                SeenBox entered;
                AnswerNextBox(entered);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QVERIFY2(entered.seen, qPrintable(control->objectName()));
                QCOMPARE(entered.text, clicked.text);
            }
            QVERIFY(Activate(window));
        }

        // Escape closes a secondary window; Enter on the focused "关闭" of a new one closes it too.
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.data();
        QTest::keyClick(focus, Qt::Key_Escape);
        QCOMPARE(window && window->isVisible(), !Windows()[row].secondary);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QPointer<QWidget> again = Windows()[row].open();
        std::unique_ptr<QWidget> againOwner(again->testAttribute(Qt::WA_DeleteOnClose) ? nullptr : again.data());
        if (QPushButton *close = ButtonCaptioned(again, QStringLiteral("关闭"))) {
            QVERIFY(Activate(again));
            close->setFocus();
            QTest::keyClick(close, Qt::Key_Return);
            QVERIFY(!again || !again->isVisible());
        } else if (again->testAttribute(Qt::WA_DeleteOnClose)) {
            delete again.data();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The side-panel and status-bar links: Enter, Space and a screen reader's press act as a
    // click does.
    void mainWindowLinks()
    {
        app::TFrmmain window(Dispatch(), Offline());
        QVERIFY(Activate(&window));
        const QList<ui::PressableLabel *> links = window.findChildren<ui::PressableLabel *>();
        QCOMPARE(links.size(), 7);
        for (ui::PressableLabel *link : links) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(link);
            QCOMPARE(iface->role(), QAccessible::Link);
            Dispatch().seen.clear();
            QTest::mouseClick(link, Qt::LeftButton);
            link->setFocus();
            QTest::keyClick(link, Qt::Key_Return);
            QTest::keyClick(link, Qt::Key_Space);
            iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(int(Dispatch().seen.size()), 4);
            for (const auto &action : Dispatch().seen)
                QCOMPARE(action.kind, Dispatch().seen.front().kind);
        }
    }

    // The calendar's header by keyboard: a spinner steps and reads out its position, "今天"
    // comes back to today, the year number shows the year spinner alone.
    void calendarHeader()
    {
        calendar::TFRM_Date window;
        QVERIFY(Activate(&window));
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(&window, "UpDown1"));
        auto *month = Child<ui::UpDown>(&window, "UpDown2");
        auto *monthText = Child<QLabel>(&window, "Label17");
        const QString today = monthText->text();
        QAccessibleInterface *spinner = QAccessible::queryAccessibleInterface(month);
        QCOMPARE(spinner->role(), QAccessible::SpinBox);
        month->setFocus();
        QTest::keyClick(month, month->position() == 12 ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(monthText->text() != today);
        QCOMPARE(spinner->valueInterface()->currentValue().toString(), monthText->text());

        Child<QLabel>(&window, "StaticText1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(monthText->text(), today);
        Child<QLabel>(&window, "Label1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(month->isHidden());
    }
};

ORLENVO_QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
