// The main window through its controls: layout, the whole menu, dispatch of every command,
// the modal-window pattern, the information message and the general error box.
#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"
#include "app/windows/MenuBar.h"
#include "app/windows/Program.h"
#include "app/windows/StartPage.h"
#include "app/windows/Unt_Main.h"
#include "core/Text.h"
#include "tests/support/Doubles.h"
#include "tests/support/Menus.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QAction>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>
#include <vector>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::testing;

namespace {

// No server (the banner fetches nothing), links recorded, start page in memory.
ServiceEnvironment Offline()
{
    static RecordingLinks links;
    static MemoryStartPage startPage;
    ServiceEnvironment env;
    env.maker.server = QUrl();
    env.links = &links;
    env.startPage = &startPage;
    return env;
}

std::vector<QAction *> AllCommands(TFrmmain &w, int *separators = nullptr)
{
    return testing::MenuCommands(w.menu()->Menus(), separators);
}

// A dialog that records its lifetime and closes itself once shown.
class ProbeDialog final : public QDialog {
public:
    static inline int alive = 0;
    ProbeDialog(bool deleteOnClose, QWidget *parent) : QDialog(parent)
    {
        ++alive;
        setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
        QTimer::singleShot(0, this, &QDialog::close);
    }
    ~ProbeDialog() override { --alive; }
};

}  // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT
private slots:
    void layoutOfTheRegions()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Orlenvo"));
        QCOMPARE(w.size(), QSize(800, 600));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w.menu()->height(), 22);
        QCOMPARE(w.bannerStrip()->height(), 81);
        QCOMPARE(w.bannerStrip()->width(), 800);
        QCOMPARE(w.sidePanel()->width(), 176);
        QCOMPARE(w.bottomBar()->height(), 30);
        QCOMPARE(w.statusBar()->height(), 20);
        QCOMPARE(w.workArea()->x(), 176);
        QCOMPARE(w.sidePanel()->height(), 600 - 22 - 81 - 20);
        QCOMPARE(w.workArea()->height() + w.bottomBar()->height(), w.sidePanel()->height());

        // Sizes stay fixed when the window is resized; the work area takes the rest.
        w.resize(900, 700);
        QTRY_COMPARE(w.sidePanel()->width(), 176);
        QCOMPARE(w.bannerStrip()->height(), 81);
        QCOMPARE(w.workArea()->width(), 900 - 176);

        const char *buttons[][2] = {
            {"RzButton3", "关于系统"}, {"RzBitBtn3", "QQ服务"}, {"RzBitBtn5", "客户服务"}, {"RzBitBtn4", "退出"}};
        int lastX = -1;
        for (const auto &b : buttons) {
            auto *button = w.findChild<QPushButton *>(QString::fromUtf8(b[0]));
            QVERIFY2(button, b[0]);
            QCOMPARE(button->text(), QString::fromUtf8(b[1]));
            QVERIFY(button->x() > lastX);  // left to right
            lastX = button->x();
        }
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("StatusField"))->text(), QStringLiteral("其他产品:"));
    }

    void menuHoldsTheWholeTree()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        int separators = 0;
        const auto commands = AllCommands(w, &separators);
        QStringList icons;
        for (QAction *a : commands)
            if (!a->icon().isNull())
                icons << a->text();
        QCOMPARE(int(w.menu()->Menus().size()), 12);
        QCOMPARE(int(commands.size()), 607);
        QCOMPARE(separators, 9);
        QCOMPARE(icons,
                 QStringList({QStringLiteral("解梦全书"), QStringLiteral("打喷嚏占卜"), QStringLiteral("面热测占卜"),
                              QStringLiteral("心惊测占卜"), QStringLiteral("犬吠测占卜"), QStringLiteral("眼跳测占卜"),
                              QStringLiteral("耳热测占卜"), QStringLiteral("耳鸣测占卜"), QStringLiteral("QQ号码分析"),
                              QStringLiteral("网名分析"), QStringLiteral("生男生女"), QStringLiteral("万年历法"),
                              QStringLiteral("关于系统")}));
        // The menus of the bar are the table's top rows.
        QStringList titles, topRows;
        for (QMenu *m : w.menu()->Menus())
            titles << m->title();
        for (const CommandRow &row : CommandTable())
            if (row.depth == 0)
                topRows << QString::fromUtf8(row.caption);
        QCOMPARE(titles, topRows);
        for (QAction *a : commands) {
            QVERIFY(a->isEnabled());
            QVERIFY(a->isVisible());
            QVERIFY(a->shortcut().isEmpty());
        }
    }

    void menuWrapsWhenTheWindowIsNarrow()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));
        QCOMPARE(w.menu()->RowCount(), 1);
        w.resize(330, 600);
        QTRY_VERIFY(w.menu()->RowCount() > 1);
        // The rows stand one under the other, each whole inside the menu, and fill it.
        const auto rowsTile = [&] {
            int rows = 0, top = 0;
            for (QMenuBar *bar : w.menu()->findChildren<QMenuBar *>()) {
                if (!bar->isVisible())
                    continue;
                if (bar->y() != top || !w.menu()->rect().contains(bar->geometry()))
                    return false;
                ++rows;
                top = bar->geometry().bottom() + 1;
            }
            return rows == w.menu()->RowCount() && top == w.menu()->height();
        };
        QTRY_VERIFY(rowsTile());
        QTRY_COMPARE(w.bannerStrip()->y(), 0);
        w.resize(800, 600);
        QTRY_COMPARE(w.menu()->RowCount(), 1);
        // Every menu is still on a bar.
        int onBars = 0;
        for (QMenuBar *bar : w.menu()->findChildren<QMenuBar *>())
            onBars += static_cast<int>(bar->actions().size());
        QTRY_COMPARE(onBars, 12);
    }

    void sideLinksStayOnTheirBullets()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));
        for (const int height : {600, 480, 1000}) {
            w.resize(800, height);
            QTRY_COMPARE(w.height(), height);
            QTest::qWait(50);
            const QImage side = w.sidePanel()->grab().toImage();
            for (int n = 1; n <= 6; ++n) {
                auto *label = w.sidePanel()->findChild<QLabel *>(QStringLiteral("SideLink%1").arg(n));
                QVERIFY(label);
                // The gold bullet left of the label, on its middle line.
                const int middle = label->geometry().center().y();
                const QColor bullet = side.pixelColor(16, middle);
                QVERIFY2(bullet.red() > 200 && bullet.blue() < 110,
                         qPrintable(QStringLiteral("height %1, link %2: %3").arg(height).arg(n).arg(bullet.name())));
            }
        }
    }

    // The colours the bar, the side links and the status bar draw in.
    void barsAndLinksKeepTheirColours()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));

        // A link turns red under the mouse and blue again when it leaves.
        auto *link = w.sidePanel()->findChild<QLabel *>(QStringLiteral("SideLink1"));
        QVERIFY(link);
        const auto ink = [](const QWidget *label) { return label->palette().color(QPalette::WindowText).name(); };
        QCOMPARE(ink(link), QStringLiteral("#1f4e96"));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(ink(link), QStringLiteral("#c0392b"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(ink(link), QStringLiteral("#1f4e96"));

        auto *product = w.findChild<QLabel *>(QStringLiteral("StatusProduct"));
        auto *greeting = w.findChild<QLabel *>(QStringLiteral("StatusGreeting"));
        QVERIFY(product && greeting);
        QCOMPARE(ink(product), QStringLiteral("#1f4e96"));
        QVERIFY(product->font().underline());
        QCOMPARE(ink(greeting), QStringLiteral("#10325f"));

        // The status bar's gradient, light at the top and darker at the bottom.
        QStatusBar *status = w.statusBar();
        const QImage bar = status->grab().toImage();
        const QColor top = bar.pixelColor(1, 0);
        const QColor bottom = bar.pixelColor(1, bar.height() - 1);
        QVERIFY2(top.blue() == 255 && bottom.red() < top.red(), qPrintable(top.name() + bottom.name()));

        // A title: bare on the bar's picture; framed in navy on a light gradient when highlighted,
        // on a blue one when its menu is open; padded 7 pixels left and right.
        auto *row = w.menu()->findChild<QMenuBar *>();
        QVERIFY(row);
        QAction *title = row->actions().value(1);
        QCOMPARE(row->actionGeometry(title).width(),
                 row->fontMetrics().size(Qt::TextShowMnemonic, title->text()).width() + 14);
        const struct {
            QStyle::State state;
            QColor edge;
            bool blueFace;
        } looks[] = {
            {QStyle::State_None, Qt::transparent, false},
            {QStyle::State_Selected, QColor(0, 0, 0x80), false},
            {QStyle::State_Selected | QStyle::State_Sunken, QColor(0, 0, 0x80), true},
        };
        for (const auto &look : looks) {
            QStyleOptionMenuItem option;
            option.initFrom(row);
            option.rect = QRect(0, 0, 60, 22);
            option.text = title->text();
            option.state |= look.state;
            QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            row->style()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, row);
            painter.end();
            QCOMPARE(image.pixelColor(0, 11), look.edge);
            if (look.state != QStyle::State_None) {
                const QColor face = image.pixelColor(2, 2);
                QVERIFY2((face.blue() > face.red()) == look.blueFace, qPrintable(face.name()));
            }
        }
    }

    void arrowKeysReachEveryMenuAcrossRows()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));
        w.resize(330, 600);
        QTRY_VERIFY(w.menu()->RowCount() > 1);
        const std::vector<QMenu *> &menus = w.menu()->Menus();
        const auto open = [&] {
            QMenu *shown = nullptr;
            for (QMenu *m : menus)
                if (m->isVisible())
                    shown = shown ? nullptr : m;  // exactly one menu is open
            return shown;
        };
        auto *firstBar = w.menu()->findChildren<QMenuBar *>().value(0);
        QVERIFY(firstBar);
        firstBar->setActiveAction(menus[0]->menuAction());
        QTRY_COMPARE(open(), menus[0]);
        // Right through all twelve and round to the first, then Left back round (from no
        // highlighted command: Right on a command with a submenu opens that).
        for (int step = 1; step <= 12; ++step) {
            open()->setActiveAction(nullptr);
            QTest::keyClick(open(), Qt::Key_Right);
            QTRY_COMPARE(open(), menus[std::size_t(step % 12)]);
        }
        for (int step = 11; step >= 0; --step) {
            open()->setActiveAction(nullptr);
            QTest::keyClick(open(), Qt::Key_Left);
            QTRY_COMPARE(open(), menus[std::size_t(step)]);
        }
        // Right on a command with a submenu still opens the submenu.
        QMenu *first = menus[0];
        for (QAction *a : first->actions())
            if (a->menu()) {
                first->setActiveAction(a);
                QTest::keyClick(first, Qt::Key_Right);
                QTRY_VERIFY(a->menu()->isVisible());
                QVERIFY(first->isVisible());
                break;
            }
    }

    void everyCommandActsAsItsTableRowSays()
    {
        // The menu's commands, in order, are the command table's command rows: each shows its
        // row's caption and asks for its row's action (CommandTableTest checks the table).
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        std::vector<const CommandRow *> rows;
        for (const CommandRow &row : CommandTable())
            if (row.kind != ActionKind::Submenu)
                rows.push_back(&row);
        const std::vector<QAction *> commands = AllCommands(w);
        QCOMPARE(commands.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(commands[i]->text(), QString::fromUtf8(rows[i]->caption));
            d.seen.clear();
            commands[i]->trigger();
            QVERIFY2(d.seen == std::vector<CommandAction>{ActionOf(*rows[i])}, rows[i]->caption);
        }
    }

    void everyActingCommandResolvesInTheProgram()
    {
        QWidget owner;
        AppDispatcher d(&owner);
        d.services = Offline();
        RegisterProgramOperations(d);
        int acting = 0;
        for (const CommandRow &row : CommandTable()) {
            if (row.kind == ActionKind::Submenu || row.kind == ActionKind::None)
                continue;
            ++acting;
            QVERIFY2(d.Resolves(ActionOf(row)), row.caption);
        }
        QCOMPARE(acting, 67);
    }

    void bottomAndStatusBarReachTheirOperations()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzButton3")), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzBitBtn3")), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzBitBtn5")), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QLabel *>(QStringLiteral("StatusProduct")), Qt::LeftButton);
        using K = ActionKind;
        const std::vector<CommandAction> expected = {{K::About}, {K::ChatLink}, {K::CustomerService}, {K::ProductPage}};
        QVERIFY(d.seen == expected);
    }

    void nonActingCommandChangesNothing()
    {
        Program program(Offline());
        TFrmmain &w = program.mainWindow();  // the program with every operation bound
        QVERIFY(ShowOnScreen(&w));
        const std::vector<QAction *> commands = AllCommands(w);
        const auto before = QApplication::topLevelWidgets().size();
        int acted = 0;
        for (QAction *a : commands) {
            if (a->text() == QStringLiteral("住宅风水") || a->text() == QStringLiteral("吉日查询") ||
                a->text() == QStringLiteral("周公解析") || a->text() == QStringLiteral("墓碑造型的设计")) {
                a->trigger();
                ++acted;
            }
        }
        QCOMPARE(acted, 4);  // 住宅风水 as a command (the sub-menu of the same name is not a command)
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void modalWindowPattern()
    {
        QWidget owner;
        AppDispatcher d(&owner);
        int created = 0;
        QDialog *first = nullptr;
        d.RegisterModalWindow("Hidden", [&](QWidget *parent) {
            ++created;
            return new ProbeDialog(false, parent);
        });
        d.RegisterModalWindow("Released", [&](QWidget *parent) {
            ++created;
            return new ProbeDialog(true, parent);
        });

        // A window only hidden on close stays held until the next use destroys it.
        d.Run(CommandAction{ActionKind::ModalWindow, "Hidden"});
        first = d.ModalWindow("Hidden");
        QVERIFY(first);
        QVERIFY(!first->isVisible());
        QCOMPARE(ProbeDialog::alive, 1);
        QPointer<QDialog> watch(first);
        d.Run(CommandAction{ActionKind::ModalWindow, "Hidden"});
        QVERIFY(watch.isNull());
        QVERIFY(d.ModalWindow("Hidden") != nullptr);
        QCOMPARE(ProbeDialog::alive, 1);

        // A window released on close clears its reference at once.
        d.Run(CommandAction{ActionKind::ModalWindow, "Released"});
        QCOMPARE(d.ModalWindow("Released"), nullptr);
        QCOMPARE(ProbeDialog::alive, 1);
        QCOMPARE(created, 3);

        // An unknown window class opens nothing.
        d.Run(CommandAction{ActionKind::ModalWindow, "Unknown"});
        QCOMPARE(created, 3);
    }

    void almanacWindowsAccumulate()
    {
        QWidget owner;
        AppDispatcher d(&owner);
        std::vector<QPointer<QWidget>> made;
        d.createAlmanacWindow = [&](QWidget *parent) {
            auto *w = new QWidget(parent, Qt::Window);
            w->setAttribute(Qt::WA_DeleteOnClose);
            made.emplace_back(w);
            return w;
        };
        d.Run(CommandAction{ActionKind::AlmanacWindow});
        d.Run(CommandAction{ActionKind::AlmanacWindow});
        QCOMPARE(int(made.size()), 2);
        QVERIFY(made[0] && made[0]->isVisible());
        QVERIFY(made[1] && made[1]->isVisible());
        QCOMPARE(d.AlmanacWindow(), made[1].data());
        made[1]->close();
        QTRY_VERIFY(made[1].isNull());
        QCOMPARE(d.AlmanacWindow(), nullptr);
    }

    void guardedHandlerShowsTheErrorAndReturns()
    {
        // The guard shows the general error box with the error's text and the program goes
        // on; nothing reaches the application's last-resort net.
        struct Case {
            std::function<void()> fail;
            QString text;
        };
        const Case cases[] = {
            {[] { StrToInt64("12a"); }, QStringLiteral("'12a' is not a valid integer value")},
            {[] { throw std::runtime_error("Could not find file 'x'."); }, QStringLiteral("Could not find file 'x'.")},
            {[] { throw 7; }, QStringLiteral("Unknown error")},
        };
        for (const Case &c : cases) {
            QWidget owner;
            auto *button = new QPushButton(QStringLiteral("run"), &owner);
            int runs = 0;
            QObject::connect(button, &QPushButton::clicked, &owner, ui::Guard([&] {
                                 ++runs;
                                 c.fail();
                             }));
            QVERIFY(ShowOnScreen(&owner));
            for (int i = 0; i < 2; ++i) {
                testing::SeenBox seen;
                QVERIFY(testing::AnswerBoxOf(seen, [&] { QTest::mouseClick(button, Qt::LeftButton); }));
                QCOMPARE(seen.text, c.text);
                QCOMPARE(seen.title, QStringLiteral("Orlenvo"));
                QCOMPARE(seen.icon, QMessageBox::Critical);
                QCOMPARE(seen.buttons, 1);
            }
            QCOMPARE(runs, 2);
        }
        QCOMPARE(ui::Application::EscapedExceptions(), 0);
    }

    void failingCommandsOfTheMainWindowAreGuarded()
    {
        // A command whose window cannot be made, chosen from the menu, a bottom-bar button or
        // a side link: the error box, and the main window stays.
        class Failing final : public Dispatcher {
        public:
            void Run(const CommandAction &) override { throw std::runtime_error("window failed"); }
        } d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));
        const std::vector<QAction *> commands = AllCommands(w);
        QLabel *sideLink = w.sidePanel()->findChild<QLabel *>(QStringLiteral("SideLink2"));
        QVERIFY(sideLink);
        const std::vector<std::function<void()>> choose = {
            [&] { commands.front()->trigger(); },
            [&] { QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzButton3")), Qt::LeftButton); },
            [&] { QTest::mouseClick(sideLink, Qt::LeftButton); },
        };
        for (const auto &act : choose) {
            testing::SeenBox seen;
            QVERIFY(testing::AnswerBoxOf(seen, act));
            QCOMPARE(seen.text, QStringLiteral("window failed"));
            QCOMPARE(seen.icon, QMessageBox::Critical);
            QVERIFY(w.isVisible());
        }
        QCOMPARE(ui::Application::EscapedExceptions(), 0);
    }

    void closingTheMainWindowEndsTheProgram()
    {
        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        QVERIFY(ShowOnScreen(&w));
        QVERIFY(w.close());
        QVERIFY(d.seen == std::vector<CommandAction>{CommandAction{ActionKind::EndProgram}});
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

ORLENVO_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
