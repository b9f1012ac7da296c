// The exit prompt TFrmMsG, ConfirmExit and the start-page store.
#include "app/windows/EndMsg.h"
#include "app/windows/Links.h"
#include "app/windows/StartPage.h"
#include "tests/support/Children.h"
#include "tests/support/Doubles.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::testing;

namespace {

const QString kDirectory = QStringLiteral("http://www.wangzhi.example/");

// Runs ConfirmExit and lets `answer` work the prompt once it shows.
bool Confirm(StartPageStore &store, const std::function<void(TFrmMsG *)> &answer)
{
    ServiceEnvironment env;
    env.startPage = &store;
    env.maker.webDirectory = QUrl(kDirectory);
    orlenvo::testing::WithNextModal([&](QWidget *modal) {
        auto *prompt = qobject_cast<TFrmMsG *>(modal);
        if (!prompt) {
            modal->close();
            return;
        }
        // A prompt the answer failed to close is closed later, so a failure cannot hang the test.
        QTimer::singleShot(3000, prompt, &QDialog::reject);
        answer(prompt);
    });
    return ConfirmExit(env);
}

void Click(TFrmMsG *prompt, const char *button)
{
    QTest::mouseClick(Child<QPushButton>(prompt, button), Qt::LeftButton);
}

}  // namespace

class ExitTest final : public QObject {
    Q_OBJECT

private slots:
    void promptLayout();
    void checkBoxHiddenWhenTheStartPageMatches_data();
    void checkBoxHiddenWhenTheStartPageMatches();
    void answers_data();
    void answers();
    void promptIsDestroyedInEveryCase();
    void iniStoreRoundTrip();
    void iniStoreFailuresAreSilent();
};

void ExitTest::promptLayout()
{
    MemoryStartPage store;
    TFrmMsG prompt(store, kDirectory);
    QCOMPARE(prompt.windowTitle(), QStringLiteral("退出系统"));
    QCOMPARE(prompt.size(), QSize(236, 101));
    QCOMPARE(prompt.pos(), QPoint(500, 303));
    const Qt::WindowFlags flags = prompt.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    QVERIFY(!Child<QLabel>(&prompt, "Image1")->pixmap().isNull());
    QCOMPARE(Child<QLabel>(&prompt, "Label1")->text(), QStringLiteral("您是否确定要退出系统？"));
    auto *box = Child<QCheckBox>(&prompt, "CheckBox1");
    QCOMPARE(box->text(), QStringLiteral("设2345万能网址大全为首页"));
    QVERIFY(box->isChecked());
    QVERIFY(!box->isHidden());
    QCOMPARE(Child<QPushButton>(&prompt, "Button1")->text(), QStringLiteral("是(&Y)"));
    QCOMPARE(Child<QPushButton>(&prompt, "Button2")->text(), QStringLiteral("否(&N)"));
    QVERIFY(!prompt.Result());
    for (QWidget *child : prompt.findChildren<QWidget *>())
        QVERIFY2(QRect(0, 0, 236, 101).contains(child->geometry()), qPrintable(child->objectName()));
    QVERIFY(ShowOnScreen(&prompt));
    QVERIFY(orlenvo::testing::SaveScreenshot(&prompt, "exit"));
}

void ExitTest::checkBoxHiddenWhenTheStartPageMatches_data()
{
    QTest::addColumn<QString>("startPage");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("equal") << kDirectory << true;
    QTest::newRow("equal apart from blanks") << (QStringLiteral("  ") + kDirectory + QStringLiteral("\t\r\n")) << true;
    QTest::newRow("other page") << QStringLiteral("http://www.example.org/") << false;
    QTest::newRow("other letter case") << kDirectory.toUpper() << false;
    QTest::newRow("no start page") << QString() << false;
}

void ExitTest::checkBoxHiddenWhenTheStartPageMatches()
{
    QFETCH(QString, startPage);
    QFETCH(bool, hidden);
    MemoryStartPage store(startPage);
    const bool result = Confirm(store, [&](TFrmMsG *prompt) {
        auto *box = Child<QCheckBox>(prompt, "CheckBox1");
        QCOMPARE(box->isVisible(), !hidden);
        QCOMPARE(box->isChecked(), !hidden);
        Click(prompt, "Button1");
    });
    QVERIFY(result);
    QCOMPARE(store.writes, hidden ? 0 : 1);
    QCOMPARE(store.value, hidden ? startPage : kDirectory);
}

void ExitTest::answers_data()
{
    QTest::addColumn<bool>("uncheck");
    QTest::addColumn<int>("how");  // 0 是(&Y), 1 否(&N), 2 Escape, 3 Alt+Y, 4 Alt+N
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("writes");
    QTest::newRow("yes") << false << 0 << true << 1;
    QTest::newRow("yes, unchecked") << true << 0 << true << 0;
    QTest::newRow("no") << false << 1 << false << 0;
    QTest::newRow("escape") << false << 2 << false << 0;
    QTest::newRow("access key Y") << false << 3 << true << 1;
    QTest::newRow("access key N") << false << 4 << false << 0;
}

void ExitTest::answers()
{
    QFETCH(bool, uncheck);
    QFETCH(int, how);
    QFETCH(bool, result);
    QFETCH(int, writes);
    MemoryStartPage store(QStringLiteral("http://start.example.org/"));
    const bool answer = Confirm(store, [&](TFrmMsG *prompt) {
        prompt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(prompt));
        if (uncheck)
            QTest::mouseClick(Child<QCheckBox>(prompt, "CheckBox1"), Qt::LeftButton);
        switch (how) {
        case 0: Click(prompt, "Button1"); break;
        case 1: Click(prompt, "Button2"); break;
        case 2: QTest::keyClick(prompt, Qt::Key_Escape); break;
        case 3: QTest::keyClick(prompt, Qt::Key_Y, Qt::AltModifier); break;
        case 4: QTest::keyClick(prompt, Qt::Key_N, Qt::AltModifier); break;
        }
    });
    QCOMPARE(answer, result);
    QCOMPARE(store.writes, writes);
    QCOMPARE(store.value, writes ? kDirectory : QStringLiteral("http://start.example.org/"));
}

void ExitTest::promptIsDestroyedInEveryCase()
{
    MemoryStartPage store;
    QPointer<TFrmMsG> seen;
    QVERIFY(!Confirm(store, [&](TFrmMsG *prompt) {
        seen = prompt;
        Click(prompt, "Button2");
    }));
    QVERIFY(seen.isNull());
    QVERIFY(Confirm(store, [&](TFrmMsG *prompt) {
        seen = prompt;
        Click(prompt, "Button1");
    }));
    QVERIFY(seen.isNull());
}

void ExitTest::iniStoreRoundTrip()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("conf/Orlenvo/StartPage.ini"));
    IniStartPageStore store(file);
    QCOMPARE(store.ReadStartPage(), QString());
    QVERIFY(!QFile::exists(file));  // reading writes nothing

    store.WriteStartPage(kDirectory);
    QVERIFY(QFile::exists(file));
    QCOMPARE(store.ReadStartPage(), kDirectory);
    QCOMPARE(IniStartPageStore(file).ReadStartPage(), kDirectory);
    const QSettings ini(file, QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Software/Microsoft/Internet Explorer/Main/Start Page")).toString(), kDirectory);

    // Through the prompt: written only when the user agrees.
    const QString other = folder.filePath(QStringLiteral("other.ini"));
    IniStartPageStore untouched(other);
    QVERIFY(!Confirm(untouched, [](TFrmMsG *prompt) { Click(prompt, "Button2"); }));
    QVERIFY(!QFile::exists(other));
    QVERIFY(Confirm(untouched, [](TFrmMsG *prompt) { Click(prompt, "Button1"); }));
    QCOMPARE(IniStartPageStore(other).ReadStartPage(), kDirectory);
}

void ExitTest::iniStoreFailuresAreSilent()
{
    QTemporaryDir folder;
    // A file where the store's folder should be: nothing can be written below it.
    const QString blocker = folder.filePath(QStringLiteral("blocker"));
    {
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    IniStartPageStore store(blocker + QStringLiteral("/StartPage.ini"));
    store.WriteStartPage(kDirectory);
    QCOMPARE(store.ReadStartPage(), QString());

    // A file that is not an INI file reads as no start page.
    const QString junk = folder.filePath(QStringLiteral("junk.ini"));
    {
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\xff[[[=\n\x01", 8));
    }
    QCOMPARE(IniStartPageStore(junk).ReadStartPage(), QString());
    // The prompt copes: the box shows, "是(&Y)" ends normally.
    IniStartPageStore broken(blocker + QStringLiteral("/StartPage.ini"));
    QVERIFY(Confirm(broken, [](TFrmMsG *prompt) {
        QVERIFY(Child<QCheckBox>(prompt, "CheckBox1")->isVisible());
        Click(prompt, "Button1");
    }));
}

ORLENVO_QTEST_MAIN(ExitTest)
#include "ExitTest.moc"
