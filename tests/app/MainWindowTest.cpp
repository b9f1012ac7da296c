// The main window through its controls: layout, the whole menu, dispatch of every command,
// the modal-window pattern, the information message and the general error box.
#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"
#include "app/windows/StartPage.h"
#include "app/windows/MenuBar.h"
#include "app/windows/Program.h"
#include "app/windows/Unt_Main.h"
#include "core/Text.h"
#include "tests/support/Doubles.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
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

// Every command action of a menu, depth-first, with its separator count.
void Walk(QMenu *menu, std::vector<QAction *> &commands, int &separators, QStringList &icons)
{
    for (QAction *a : menu->actions()) {
        if (a->isSeparator()) {
            ++separators;
        } else if (a->menu()) {
            Walk(a->menu(), commands, separators, icons);
        } else {
            commands.push_back(a);
            if (!a->icon().isNull())
                icons << a->text();
        }
    }
}

std::vector<QAction *> AllCommands(TFrmmain &w, int *separators = nullptr, QStringList *icons = nullptr)
{
    std::vector<QAction *> commands;
    int s = 0;
    QStringList i;
    for (QMenu *m : w.menu()->Menus())
        Walk(m, commands, s, i);
    if (separators)
        *separators = s;
    if (icons)
        *icons = i;
    return commands;
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
        QStringList icons;
        const auto commands = AllCommands(w, &separators, &icons);
        QCOMPARE(int(w.menu()->Menus().size()), 12);
        QCOMPARE(int(commands.size()), 607);
        QCOMPARE(separators, 9);
        QCOMPARE(icons, QStringList({QStringLiteral("解梦全书"), QStringLiteral("打喷嚏占卜"), QStringLiteral("面热测占卜"),
                                     QStringLiteral("心惊测占卜"), QStringLiteral("犬吠测占卜"), QStringLiteral("眼跳测占卜"),
                                     QStringLiteral("耳热测占卜"), QStringLiteral("耳鸣测占卜"), QStringLiteral("QQ号码分析"),
                                     QStringLiteral("网名分析"), QStringLiteral("生男生女"), QStringLiteral("万年历法"),
                                     QStringLiteral("关于系统")}));
        QStringList titles;
        for (QMenu *m : w.menu()->Menus())
            titles << m->title();
        QCOMPARE(titles, QStringList({QStringLiteral("系统(&X)"), QStringLiteral("阳宅(&F)"), QStringLiteral("阴宅(&Y)"),
                                      QStringLiteral("家居(&J)"), QStringLiteral("运用(&Y)"), QStringLiteral("吉日(&D)"),
                                      QStringLiteral("解梦(&M)"), QStringLiteral("占卜(&X)"), QStringLiteral("工具(&Q)"),
                                      QStringLiteral("造命(&P)"), QStringLiteral("服务(&F)"), QStringLiteral("帮助(&H)")}));
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
        QCOMPARE(w.menu()->height(), 22 * w.menu()->RowCount());
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

    void everyActingCommandReachesItsOperation()
    {
        using K = ActionKind;
        struct Expected {
            const char *caption;
            CommandAction action;
        };
        // The 66 acting commands of the design's lists, and "风水理气盘[图]", which carries
        // picture article 19 like the other picture commands carry theirs.
        auto pic = [](const char *caption, int n) { return Expected{caption, {K::Picture, caption, n}}; };
        auto art = [](const char *caption, const char *id) { return Expected{caption, {K::Article, id}}; };
        const std::vector<Expected> expected = {
            {"退出软件", {K::EndProgram}},
            pic("家居风水十二招[图]", 17), pic("6大吉利风水家饰[图]", 21),
            art("风水常识", "c1"), art("选房风水", "c2"), pic("风水理气盘[图]", 19),
            pic("财神摆放指南 [图]", 8), pic("家居风水开运方法 [图]", 7), pic("居家好风水的15件宝贝 [图]", 16),
            pic("除夕家居风水摆设与新年运 [图]", 13), pic("家居装饰吉祥物的悬挂方法 [图]", 15),
            pic("客厅招财布局 [图]", 11), pic("如何选择吉祥物增财旺运[图]", 18), pic("居家风水15件宝添财运 [图]", 16),
            pic("家中放置哪些吉祥物能招财 [图]", 20),
            pic("财神摆放指南 [图]", 8),
            art("家居风水注意几个方位", "c3"), pic("随意改房对风水影响 [图]", 9), pic("装修颜色与风水吉凶 [图]", 10),
            art("六大贫贱家居风水", "c4"), pic("九种最常见风水煞气及解救方法 [图]", 12),
            pic("6种类型的住宅学会驱邪避凶 [图]", 14), art("改变运势的装修技巧", "c5"), art("通用12种风水方式", "c6"),
            art("鼠年家居风水新讲究", "c8"), art("七項陽宅应注意事項", "c9"),
            pic("旺夫家居风水设计 [图]", 1), pic("家居风水与姻缘 [图]", 2), pic("桃花盛开制胜秘笈 [图]", 3),
            pic("家居风水与桃花运 [图]", 4), pic("风水秘籍钓 \"金龟婿\" [图]", 5), pic("十二星座卧室桃花运大揭密 [图]", 6),
            art("求职与家居风水", "c7"),
            {"黄道吉日", {K::AlmanacWindow}},
            {"打喷嚏占卜", {K::Omen, "打喷嚏占卜吉凶", 0}}, {"面热测占卜", {K::Omen, "面热测吉凶", 1}},
            {"心惊测占卜", {K::Omen, "心惊测吉凶", 2}}, {"犬吠测占卜", {K::Omen, "犬吠测吉凶", 3}},
            {"眼跳测占卜", {K::Omen, "眼跳测吉凶", 4}}, {"耳热测占卜", {K::Omen, "耳热测吉凶", 5}},
            {"耳鸣测占卜", {K::Omen, "耳鸣测吉凶", 6}},
            {"手机号码分析", {K::ModalWindow, "TFrm_SJcs"}}, {"QQ号码分析", {K::ModalWindow, "TFrmQQhm"}},
            {"更多数字分析", {K::ModalWindow, "TFrm_onther"}}, {"网名分析", {K::ModalWindow, "TFrmWangming"}},
            {"生男生女", {K::ModalWindow, "TFrm_NanNv"}}, {"万年历法", {K::ModalWindow, "TFRM_Date"}},
            art("命自我立", "b1"), art("三世因果经", "b2"), art("心命歌", "b3"), art("太上感应篇", "b4"),
            art("孝经", "b5"), art("孝悌歌", "b6"), art("孝顺歌", "b7"), art("亲恩歌", "b8"), art("孝道良心歌", "b9"),
            art("闺训千字文", "b10"), art("孔子与小儿论", "b11"), art("朱子治家格言", "b12"), art("百忍歌", "b13"),
            {"客户服务", {K::CustomerService}}, {"给我们发邮件", {K::MailLink}}, {"与QQ对话", {K::ChatLink}},
            {"Orlenvo 起名宝典", {K::ProductPage}},
            {"公司主页", {K::HomePage}}, {"关于系统", {K::About}}, {"软件升级", {K::UpgradeNote}},
        };
        QCOMPARE(int(expected.size()), 67);

        RecordingDispatcher d;
        TFrmmain w(d, Offline());
        std::vector<std::pair<QString, CommandAction>> acted;
        for (QAction *a : AllCommands(w)) {
            d.seen.clear();
            a->trigger();
            QVERIFY(d.seen.size() == 1);
            if (d.seen.front().kind != K::None)
                acted.emplace_back(a->text(), d.seen.front());
        }
        QCOMPARE(int(acted.size()), 67);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(acted[i].first, QString::fromUtf8(expected[i].caption));
            QVERIFY2(acted[i].second == expected[i].action, expected[i].caption);
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
            if (a->text() == QStringLiteral("住宅风水") || a->text() == QStringLiteral("吉日查询")
                || a->text() == QStringLiteral("周公解析") || a->text() == QStringLiteral("墓碑造型的设计")) {
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

    void informationMessageAndUpgradeNote()
    {
        QWidget owner;
        AppDispatcher d(&owner);
        testing::SeenBox seen;
        testing::AnswerNextBox(seen);
        d.Run(CommandAction{ActionKind::UpgradeNote});
        QVERIFY(seen.seen);
        QCOMPARE(seen.title, QStringLiteral("提示"));
        QCOMPARE(seen.text, QStringLiteral("感谢你的使用,软件是最新版无需升级!"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons, 1);
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
                testing::AnswerNextBox(seen);
                QTest::mouseClick(button, Qt::LeftButton);
                QTRY_VERIFY(seen.seen);
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
            testing::AnswerNextBox(seen);
            act();
            QTRY_VERIFY(seen.seen);
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
