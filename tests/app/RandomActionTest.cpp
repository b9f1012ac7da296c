// Random actions on the real main window, offscreen: commands from the whole menu, typing
// (Chinese through the input method, ASCII, very long text, pasted text a key filter would
// refuse), Enter, Escape and Tab, clicks on buttons and labels, closing windows. Seeded and
// replayable: ORLENVO_SEED=<seed> ORLENVO_ACTIONS=<count> repeats a run.
//
// Asserts: no crash; the event loop answers within 2 s of its thread's processor time (so that
// a loaded machine does not fail the run; no answer at all for 30 s ends the run as a hang); no
// knowledge file changes; no exception reaches the last-resort handler; windows and memory
// stay bounded.
#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"
#include "app/windows/MenuBar.h"
#include "app/windows/Program.h"
#include "app/windows/StartPage.h"
#include "app/windows/Uabout.h"
#include "app/windows/Unt_Main.h"
#include "app/windows/Unt_servers.h"
#include "articles/windows/ImageInfo.h"
#include "articles/windows/UntNote.h"
#include "articles/windows/UntOnther.h"
#include "calendar/windows/huangdao.h"
#include "data/KnowledgeDb.h"
#include "tests/support/Menus.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace orlenvo;
using namespace orlenvo::app;

namespace {

constexpr qint64 kAnswerMs = 2000;         // the event loop must answer within this
constexpr qint64 kHungMs = 30000;          // no answer at all for this long: a hang, the run ends
constexpr int kTickMs = 5;                 // pause between two actions
constexpr int kMaxOpenWindows = 8;         // beyond this an action closes a window
constexpr long kMaxGrowthKb = 768 * 1024;  // resident memory growth allowed over a run

class RecordingLinks final : public Links {
public:
    int opened = 0;
    void Open(const QUrl &) override { ++opened; }
};

class MemoryStartPage final : public StartPageStore {
public:
    QString page;
    QString ReadStartPage() override { return page; }
    void WriteStartPage(const QString &text) override { page = text; }
};

quint64 EnvNumber(const char *name, quint64 fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const quint64 n = value.toULongLong(&ok);
    return ok ? n : fallback;
}

// Processor time of the calling thread.
qint64 ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<qint64>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

std::map<QString, QByteArray> KnowledgeChecksums()
{
    std::map<QString, QByteArray> sums;
    for (const std::string_view file : {kDreamFile, kQorvFile, kQorvBirthFile}) {
        const QString path = QString::fromStdString(ProgramFolder()) + QString::fromUtf8(file.data(), file.size());
        QFile f(path);
        QByteArray sum;
        if (f.open(QIODevice::ReadOnly))
            sum = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
        sums[path] = sum;
    }
    return sums;
}

// The kind of window or operation a command reaches, for the coverage round.
QString KindOf(const CommandAction &action)
{
    if (action.kind == ActionKind::ModalWindow)
        return QString::fromStdString(action.text);
    return QString::number(static_cast<int>(action.kind));
}

// Texts a user may type or paste.
const QStringList kChinese = {
    QStringLiteral("风水"),     QStringLiteral("黄道吉日"), QStringLiteral("张三丰"),       QStringLiteral("龘靐齉"),
    QStringLiteral("测算结果"), QStringLiteral("〇一二三"), QStringLiteral("ＡＢＣ１２３"), QStringLiteral("😀"),
};
const QStringList kAscii = {
    QStringLiteral("13812345678"),
    QStringLiteral("0"),
    QStringLiteral("-1"),
    QStringLiteral("$FF"),
    QStringLiteral("0x7FFFFFFFFFFFFFFF"),
    QStringLiteral("99999999999999999999"),
    QStringLiteral("abc"),
    QStringLiteral("' or 1=1 --"),
    QStringLiteral("#2008-01-05#"),
    QStringLiteral("2008-02-30"),
    QStringLiteral("a;b=c\\d\"e"),
    QStringLiteral(" 37 "),
};

class Driver final : public QObject {
public:
    Driver(quint64 seed, int total, TFrmmain *main, std::vector<QAction *> commands)
        : rng_(seed), total_(total), main_(main), commands_(std::move(commands))
    {
        // The menu holds the commands in the order of the command table.
        std::vector<const CommandRow *> rows;
        for (const CommandRow &row : CommandTable())
            if (row.kind != ActionKind::Submenu)
                rows.push_back(&row);
        // The coverage round: one command of every kind first, in a seeded order.
        std::map<QString, QAction *> firstOfKind;
        for (std::size_t i = 0; i < commands_.size() && i < rows.size(); ++i) {
            const ActionKind kind = rows[i]->kind;
            if (kind == ActionKind::None)
                continue;
            acting_.push_back(commands_[i]);
            if (kind != ActionKind::EndProgram)
                firstOfKind.emplace(KindOf(ActionOf(*rows[i])), commands_[i]);
        }
        for (const auto &entry : firstOfKind)
            coverage_.push_back(entry.second);
        std::shuffle(coverage_.begin(), coverage_.end(), rng_);
        kinds_ = static_cast<int>(coverage_.size());
    }

    // Runs every action; returns when the last window the run opened has closed.
    void Run()
    {
        clock_.start();
        lastTick_ = 0;
        lastCpu_ = ThreadCpuMs();
        Schedule();
        loop_.exec();
    }

    qint64 MaxGapMs() const { return maxGap_; }
    qint64 MaxWallGapMs() const { return maxWallGap_; }
    const QString &LongestWaitAfter() const { return longestAfter_; }
    int Performed() const { return performed_; }
    int Kinds() const { return kinds_; }
    const std::set<QString> &WindowClassesSeen() const { return seen_; }
    std::atomic<qint64> &LastTickMs() { return lastTickShared_; }

private:
    void Note(const QString &what) { lastAction_ = what; }

    static QString Name(const QObject *o)
    {
        return QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(' ') + o->objectName() +
               QLatin1Char(' ') + (o->parent() ? o->parent()->objectName() : QString());
    }

    int Uniform(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void Schedule()
    {
        QTimer::singleShot(kTickMs, this, [this] { Tick(); });
    }

    void Tick()
    {
        const qint64 now = clock_.elapsed();
        const qint64 cpuNow = ThreadCpuMs();
        maxWallGap_ = std::max(maxWallGap_, now - lastTick_);
        if (cpuNow - lastCpu_ > maxGap_) {
            maxGap_ = cpuNow - lastCpu_;
            longestAfter_ = lastAction_;
        }
        lastTick_ = now;
        lastCpu_ = cpuNow;
        lastTickShared_ = now;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                seen_.insert(QString::fromLatin1(w->metaObject()->className()));

        // The next tick is queued before this one acts, so that it also runs inside a modal
        // window's event loop that the action may start.
        if (performed_ < total_) {
            Schedule();
            ++performed_;
            ++depth_;
            Act();
            --depth_;
            return;
        }
        // Done: answer and close what is still open, then leave once no action is on the stack.
        if (QWidget *modal = QApplication::activeModalWidget()) {
            CloseModal(modal);
            Schedule();
            return;
        }
        if (depth_ > 0) {
            Schedule();
            return;
        }
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != main_ && w->isVisible())
                w->close();
        loop_.quit();
    }

    void CloseModal(QWidget *modal)
    {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (QAbstractButton *b = box->defaultButton())
                b->click();
            else
                box->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QWidget *Target() const
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            return modal;
        if (QWidget *active = QApplication::activeWindow())
            return active;
        return main_;
    }

    std::vector<QWidget *> OpenWindows() const
    {
        std::vector<QWidget *> open;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != main_ && w->isVisible() && w->isWindow())
                open.push_back(w);
        return open;
    }

    void Act()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && qobject_cast<QMessageBox *>(modal) && Uniform(4) != 0) {
            CloseModal(modal);
            return;
        }
        if (!modal && !coverage_.empty()) {
            QAction *next = coverage_.back();
            coverage_.pop_back();
            Note(QStringLiteral("command ") + next->text());
            next->trigger();
            return;
        }
        if (OpenWindows().size() > static_cast<std::size_t>(kMaxOpenWindows)) {
            CloseWindow();
            return;
        }
        switch (Uniform(modal ? 9 : 12)) {
        case 0:
        case 1: Type(); break;
        case 2: Paste(); break;
        case 3:
        case 4: PressKey(); break;
        case 5: ClickButton(); break;
        case 6: ClickWidget(); break;
        case 7:
        case 8: CloseWindow(); break;
        case 9: RaiseWindow(); break;
        default: {  // 10, 11: a command, as a user picks one from the menu
            QAction *command = Uniform(5) == 0 ? commands_[Uniform(static_cast<int>(commands_.size()))]
                                               : acting_[Uniform(static_cast<int>(acting_.size()))];
            Note(QStringLiteral("command ") + command->text());
            command->trigger();
            break;
        }
        }
    }

    QWidget *Focus() const
    {
        QWidget *focus = QApplication::focusWidget();
        QWidget *target = Target();
        return focus && focus->window() == target ? focus : target;
    }

    QString RandomText()
    {
        switch (Uniform(4)) {
        case 0: return kChinese[Uniform(static_cast<int>(kChinese.size()))];
        case 1: return kAscii[Uniform(static_cast<int>(kAscii.size()))];
        case 2: {
            QString s;
            for (int i = 0, n = 1 + Uniform(24); i < n; ++i)
                s += QChar(0x20 + Uniform(0x5F));
            return s;
        }
        default: {
            QString s;
            const int n = 1000 + Uniform(9000);
            for (int i = 0; i < n; ++i)
                s += Uniform(2) ? QChar(0x4E00 + Uniform(0x5000)) : QChar(0x21 + Uniform(0x5E));
            return s;
        }
        }
    }

    void Type()
    {
        QWidget *focus = Focus();
        const QString text = RandomText();
        Note(QStringLiteral("typing %1 characters into %2").arg(text.size()).arg(Name(focus)));
        if (text.size() > 40 || text.front().unicode() >= 0x80) {
            // Chinese and long text arrive through the input method, committed at once.
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(focus, &commit);
        } else {
            QTest::keyClicks(focus, text);
        }
    }

    void Paste()
    {
        QGuiApplication::clipboard()->setText(RandomText());
        Note(QStringLiteral("pasting into ") + Name(Focus()));
        QTest::keyClick(Focus(), Qt::Key_V, Qt::ControlModifier);
    }

    void PressKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,      Qt::Key_Backtab,
                                       Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Space,  Qt::Key_Backspace};
        const Qt::Key key = keys[Uniform(static_cast<int>(std::size(keys)))];
        Note(QStringLiteral("key %1 on %2").arg(key, 0, 16).arg(Name(Focus())));
        QTest::keyClick(Focus(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }

    template <typename T>
    std::vector<T *> Visible(QWidget *window) const
    {
        std::vector<T *> found;
        for (T *w : window->findChildren<T *>())
            if (w->isVisible() && w->isEnabled() && w->window() == window)
                found.push_back(w);
        return found;
    }

    void ClickButton()
    {
        const auto buttons = Visible<QAbstractButton>(Target());
        if (buttons.empty())
            return;
        QAbstractButton *button = buttons[Uniform(static_cast<int>(buttons.size()))];
        Note(QStringLiteral("clicking ") + Name(button));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void ClickWidget()
    {
        const auto widgets = Visible<QWidget>(Target());
        if (widgets.empty())
            return;
        QWidget *w = widgets[Uniform(static_cast<int>(widgets.size()))];
        const QPoint at(Uniform(std::max(1, w->width())), Uniform(std::max(1, w->height())));
        Note(QStringLiteral("clicking into ") + Name(w));
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
    }

    void CloseWindow()
    {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            CloseModal(modal);
            return;
        }
        const auto open = OpenWindows();
        if (!open.empty())
            open[Uniform(static_cast<int>(open.size()))]->close();
    }

    void RaiseWindow()
    {
        std::vector<QWidget *> open = OpenWindows();
        open.push_back(main_);
        QWidget *w = open[Uniform(static_cast<int>(open.size()))];
        w->raise();
        w->activateWindow();
    }

    std::mt19937_64 rng_;
    int total_;
    TFrmmain *main_;
    std::vector<QAction *> commands_;
    std::vector<QAction *> acting_;
    std::vector<QAction *> coverage_;
    int kinds_ = 0;
    int performed_ = 0;
    int depth_ = 0;
    QEventLoop loop_;
    QElapsedTimer clock_;
    qint64 lastTick_ = 0;
    qint64 lastCpu_ = 0;
    qint64 maxGap_ = 0;  // of the thread's processor time: a shared machine does not stretch it
    qint64 maxWallGap_ = 0;
    QString lastAction_;  // what the last action did, for the report of the longest wait
    QString longestAfter_;
    std::atomic<qint64> lastTickShared_{0};
    std::set<QString> seen_;
};

// The offscreen platform warns about every raise() and size hint of the run; those go.
QtMessageHandler previousHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

}  // namespace

class RandomActionTest final : public QObject {
    Q_OBJECT
private slots:
    void randomActionsOnTheMainWindow()
    {
        const quint64 seed = EnvNumber("ORLENVO_SEED", QRandomGenerator::system()->generate64());
        const int actions = static_cast<int>(EnvNumber("ORLENVO_ACTIONS", 300));
        std::printf("random actions: seed %llu, %d actions (replay: ORLENVO_SEED=%llu ORLENVO_ACTIONS=%d)\n",
                    static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed), actions);
        std::fflush(stdout);

        previousHandler = qInstallMessageHandler(QuietPlatform);
        const auto sumsBefore = KnowledgeChecksums();
        for (const auto &[path, sum] : sumsBefore)
            QVERIFY2(!sum.isEmpty(), qPrintable(path));

        RecordingLinks links;
        MemoryStartPage startPage;
        ServiceEnvironment env;
        env.maker.server = QUrl();  // no banner server
        env.links = &links;
        env.startPage = &startPage;
        Program program(env);
        TFrmmain &w = program.mainWindow();
        auto *dispatcher = dynamic_cast<AppDispatcher *>(&w.dispatch());
        QVERIFY(dispatcher);
        int endRequests = 0;
        dispatcher->endProgram = [&endRequests] { ++endRequests; };
        QVERIFY(orlenvo::testing::ShowOnScreen(&w));

        const std::vector<QAction *> commands = orlenvo::testing::MenuCommands(w.menu()->Menus());
        QCOMPARE(static_cast<int>(commands.size()), 607);

        const long residentBefore = ResidentKb();
        Driver driver(seed, actions, &w, commands);

        // A hang never gives the loop back: a watcher thread ends the run with the seed.
        std::atomic<bool> running{true};
        std::thread watcher([&] {
            const auto start = std::chrono::steady_clock::now();
            qint64 lastSeen = -1, lastChange = 0;
            while (running) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const qint64 nowMs =
                    std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                        .count();
                const qint64 tick = driver.LastTickMs().load();
                if (tick != lastSeen) {
                    lastSeen = tick;
                    lastChange = nowMs;
                } else if (nowMs - lastChange > kHungMs) {
                    std::fprintf(stderr, "random actions: no answer for %lld ms (seed %llu)\n",
                                 static_cast<long long>(nowMs - lastChange), static_cast<unsigned long long>(seed));
                    std::abort();
                }
            }
        });
        driver.Run();
        running = false;
        watcher.join();

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const long residentAfter = ResidentKb();
        int openWindows = 0;
        for (QWidget *t : QApplication::topLevelWidgets())
            openWindows += t != &w && t->isVisible();

        std::printf("random actions: %d performed, %d kinds of command first, windows seen: %s; "
                    "longest answer %lld ms of processor time (after %s), %lld ms on the clock; resident %ld -> %ld "
                    "kB; %d end requests, %d links\n",
                    driver.Performed(), driver.Kinds(),
                    qPrintable(QStringList(driver.WindowClassesSeen().begin(), driver.WindowClassesSeen().end())
                                   .join(QLatin1Char(' '))),
                    static_cast<long long>(driver.MaxGapMs()), qPrintable(driver.LongestWaitAfter()),
                    static_cast<long long>(driver.MaxWallGapMs()), residentBefore, residentAfter, endRequests,
                    links.opened);

        QCOMPARE(driver.Performed(), actions);
        if (actions >= driver.Kinds()) {
            // The first actions choose one command of each kind: every window was reached.
            // The modal windows the command table names, and the classes of the other windows.
            using orlenvo::testing::WindowName;
            std::vector<std::string> windows = {WindowName<calendar::TFormHuangdao>(),
                                                WindowName<articles::TFrmNote>(),
                                                WindowName<articles::TImageInfoLoad>(),
                                                WindowName<articles::TFormOnther>(),
                                                WindowName<TAbout>(),
                                                WindowName<TFrm_servers>()};
            for (const CommandRow &row : CommandTable())
                if (row.kind == ActionKind::ModalWindow)
                    windows.emplace_back(row.text);
            for (const std::string &window : windows) {
                const bool seen = std::any_of(
                    driver.WindowClassesSeen().begin(), driver.WindowClassesSeen().end(),
                    [&](const QString &c) { return c.endsWith(QLatin1String("::") + QString::fromStdString(window)); });
                QVERIFY2(seen, window.c_str());
            }
        }
        QVERIFY2(driver.MaxGapMs() <= kAnswerMs,
                 qPrintable(QStringLiteral("the event loop waited %1 ms (seed %2)").arg(driver.MaxGapMs()).arg(seed)));
        QCOMPARE(KnowledgeChecksums(), sumsBefore);
        QCOMPARE(openWindows, 0);
        QVERIFY2(residentAfter - residentBefore <= kMaxGrowthKb,
                 qPrintable(QStringLiteral("resident memory grew by %1 kB (seed %2)")
                                .arg(residentAfter - residentBefore)
                                .arg(seed)));
        QVERIFY(w.isVisible());
    }
};

ORLENVO_QTEST_MAIN(RandomActionTest)
#include "RandomActionTest.moc"
