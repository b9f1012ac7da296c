// The QQ-number, any-number and net-name windows, driven through their controls.
#include "numerology/windows/UntQQ.h"
#include "numerology/windows/UntWangm.h"
#include "numerology/windows/Untonteher.h"
#include "tests/numerology/ResultRows.h"
#include "tests/support/Children.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace orlenvo::testing;

namespace {

const QString kEntry0 = QStringLiteral("大展鸿图，信用得固，名利双收，可获成功");
const QString kNotFound = QStringLiteral("对不起,此号不在分解之类。");

QString Text(QWidget *window, const char *name)
{
    return Child<QLabel>(window, name)->text();
}

// Types text key by key; characters beyond ASCII arrive as key events carrying their text, as
// a keyboard layout or an input method without composition delivers them.
void Type(QWidget *field, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, static_cast<char>(c.unicode()));
            continue;
        }
        QString character(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            character += text.at(++i);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

void Paste(QLineEdit *field, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void ReplaceEntry(QLineEdit *field, const QString &typed)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    Type(field, typed);
}

// With ORLENVO_SCREENSHOT_DIR set, the window's client is saved there as <name>.png.
void SaveScreenshot(QWidget *window, const char *name)
{
    const QByteArray dir = qgetenv("ORLENVO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    const QString path = QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    QVERIFY2(window->grab().save(path), qPrintable(path));
}

struct NumberWindowKind {
    const char *name;
    std::function<QDialog *()> create;
    QString caption, entryLabel, numberLabel, prompt;
    int height;
    const char *screenshot;
};

NumberWindowKind Kind(int index)
{
    if (index == 0)
        return {"TFrmQQhm",
                [] { return new orlenvo::numerology::TFrmQQhm; },
                QStringLiteral("QQ号码测试"),
                QStringLiteral("QQ号码："),
                QStringLiteral("qq号码是："),
                QStringLiteral("请输入你的QQ号码！"),
                270,
                "qq"};
    return {"TFrm_onther",
            [] { return new orlenvo::numerology::TFrm_onther; },
            QStringLiteral("任意号码分析"),
            QStringLiteral("任意号码："),
            QStringLiteral("输入号码是："),
            QStringLiteral("请输入你的号码！"),
            271,
            "number"};
}

}  // namespace

class NumberNameWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void numberWindowControls_data();
    void numberWindowControls();
    void numberWindowReadings_data();
    void numberWindowReadings();
    void numberKeyFilter_data();
    void numberKeyFilter();
    void numberPastedAndBlankEntries_data();
    void numberPastedAndBlankEntries();
    void closeReleasesTheWindow();

    void netNameControls();
    void netNameReadings_data();
    void netNameReadings();
    void netNameBlankEntryAndLength();

private:
    static void KindColumn();
    QDialog *Open(int kind);
};

void NumberNameWindowsTest::KindColumn()
{
    QTest::addColumn<int>("kind");
}

QDialog *NumberNameWindowsTest::Open(int kind)
{
    QDialog *window = Kind(kind).create();
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qWarning("window not exposed");
    return window;
}

void NumberNameWindowsTest::numberWindowControls_data()
{
    KindColumn();
    QTest::newRow("TFrmQQhm") << 0;
    QTest::newRow("TFrm_onther") << 1;
}

void NumberNameWindowsTest::numberWindowControls()
{
    QFETCH(int, kind);
    const NumberWindowKind k = Kind(kind);
    std::unique_ptr<QDialog> window(k.create());
    QCOMPARE(window->windowTitle(), k.caption);
    QCOMPARE(window->size(), QSize(388, k.height));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(CloseButtonOnly(window.get()));
    QCOMPARE(window->font().pointSize(), 9);

    QCOMPARE(Text(window.get(), "RzLabel1"), k.entryLabel);
    QCOMPARE(Child<QPushButton>(window.get(), "RzBitBtn1")->text(), QStringLiteral("测算"));
    QCOMPARE(Child<QPushButton>(window.get(), "RzBitBtn2")->text(), QStringLiteral("关闭"));
    QCOMPARE(Child<QGroupBox>(window.get(), "RzGroupBox1")->title(), QStringLiteral("测算结果"));
    QCOMPARE(Text(window.get(), "RzLabel5"), k.numberLabel);
    QCOMPARE(Text(window.get(), "RzLabel4"), QStringLiteral("状态："));
    QCOMPARE(Text(window.get(), "RzLabel6"), QStringLiteral("吉凶："));
    QCOMPARE(Text(window.get(), "RzLabel7"), QStringLiteral("具体表现："));
    QCOMPARE(Child<QLineEdit>(window.get(), "edtmun")->maxLength(), 18);

    QCOMPARE(Child<QLabel>(window.get(), "RzLabel11")->width(), 202);
    QCOMPARE(Child<QLabel>(window.get(), "RzLabel10")->width(), 290);
    QVERIFY(!Child<QLabel>(window.get(), "RzLabel10")->wordWrap());
    auto *luck = Child<QLabel>(window.get(), "RzLabel9");
    QCOMPARE(luck->width(), 98);
    QCOMPARE(luck->font().pointSize(), 8);
    QCOMPARE(luck->palette().color(QPalette::WindowText), QColor(Qt::red));
    auto *character = Child<QLabel>(window.get(), "RzLabel8");
    QCOMPARE(character->size(), QSize(290, 97));
    QVERIFY(character->wordWrap());
    for (const char *row : {"RzLabel11", "RzLabel10", "RzLabel9", "RzLabel8"})
        QVERIFY(Text(window.get(), row).isEmpty());
}

void NumberNameWindowsTest::numberWindowReadings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("luck");
    for (int kind : {0, 1}) {
        const char *w = Kind(kind).name;
        QTest::addRow("%s 0", w) << kind << QStringLiteral("0") << kEntry0 << QStringLiteral("吉");
        QTest::addRow("%s 81", w) << kind << QStringLiteral("81") << kEntry0 << QStringLiteral("吉");
        QTest::addRow("%s 162", w) << kind << QStringLiteral("162") << kEntry0 << QStringLiteral("吉");
        QTest::addRow("%s eighteen nines", w)
            << kind << QStringLiteral("999999999999999999") << kEntry0 << QStringLiteral("吉");
        QTest::addRow("%s leading zeros", w) << kind << QStringLiteral("0000081") << kEntry0 << QStringLiteral("吉");
        QTest::addRow("%s 80", w) << kind << QStringLiteral("80")
                                  << QStringLiteral("最极之数，还本归元，能得繁荣，发达成功") << QStringLiteral("吉");
        QTest::addRow("%s 123456789", w) << kind << QStringLiteral("123456789")
                                         << QStringLiteral("安乐自来，自然吉祥，力行不懈，终必成功")
                                         << QStringLiteral("吉");
        QTest::addRow("%s 10000", w) << kind << QStringLiteral("10000")
                                     << QStringLiteral("名虽可得，利则难获，艺界发展，可望成功")
                                     << QStringLiteral("凶带吉");
    }
}

// Typing the number and pressing Enter fills the four rows.
void NumberNameWindowsTest::numberWindowReadings()
{
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, verdict);
    QFETCH(QString, luck);
    QDialog *window = Open(kind);
    auto *field = Child<QLineEdit>(window, "edtmun");
    Type(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Text(window, "RzLabel11"), typed);
    QCOMPARE(Text(window, "RzLabel10"), verdict);
    QCOMPARE(Text(window, "RzLabel9"), luck);
    QVERIFY(Text(window, "RzLabel8").startsWith(QStringLiteral("主人性格类型：[")));
    if (typed == QStringLiteral("123456789"))
        SaveScreenshot(window, Kind(kind).screenshot);
    delete window;
}

void NumberNameWindowsTest::numberKeyFilter_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (int kind : {0, 1}) {
        const char *w = Kind(kind).name;
        QTest::addRow("%s letters and symbols", w) << kind << QStringLiteral("1a2B-3 4.!") << QStringLiteral("1234");
        QTest::addRow("%s minus and plus", w) << kind << QStringLiteral("-81+") << QStringLiteral("81");
        QTest::addRow("%s full-width and Chinese", w) << kind << QStringLiteral("１二3") << QStringLiteral("3");
        QTest::addRow("%s eighteen at most", w)
            << kind << QStringLiteral("12345678901234567890") << QStringLiteral("123456789012345678");
    }
}

// Typed characters other than digits never reach the field; backspace does.
void NumberNameWindowsTest::numberKeyFilter()
{
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    std::unique_ptr<QDialog> window(Open(kind));
    auto *field = Child<QLineEdit>(window.get(), "edtmun");
    Type(field, typed);
    QCOMPARE(field->text(), shown);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), shown.chopped(1));

    // Text committed by an input method keeps only its digits.
    field->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("12三4ａ"));
    QApplication::sendEvent(field, &commit);
    QCOMPARE(field->text(), QStringLiteral("124"));
}

void NumberNameWindowsTest::numberPastedAndBlankEntries_data()
{
    numberWindowControls_data();
}

// Pasted text arrives; a negative number reads or gives the not-found text; a non-number gives
// the conversion error box and leaves the rows as they were; a blank entry gives the prompt.
void NumberNameWindowsTest::numberPastedAndBlankEntries()
{
    QFETCH(int, kind);
    std::unique_ptr<QDialog> window(Open(kind));
    auto *field = Child<QLineEdit>(window.get(), "edtmun");
    auto *run = Child<QPushButton>(window.get(), "RzBitBtn1");

    Paste(field, QStringLiteral("-81"));
    QCOMPARE(field->text(), QStringLiteral("-81"));
    QTest::mouseClick(run, Qt::LeftButton);
    QCOMPARE(Text(window.get(), "RzLabel11"), QStringLiteral("-81"));
    QCOMPARE(Text(window.get(), "RzLabel10"), kEntry0);

    field->clear();
    Paste(field, QStringLiteral("-1"));
    QTest::mouseClick(run, Qt::LeftButton);
    QCOMPARE(ResultRows(window.get()), (QStringList{QStringLiteral("-1"), QString(), QString(), kNotFound}));

    // A reading on screen, then a pasted non-number: letters show in capitals.
    ReplaceEntry(field, QStringLiteral("80"));
    QTest::keyClick(field, Qt::Key_Return);
    const QStringList reading = ResultRows(window.get());
    QCOMPARE(reading.mid(0, 3),
             (QStringList{QStringLiteral("80"), QStringLiteral("最极之数，还本归元，能得繁荣，发达成功"),
                          QStringLiteral("吉")}));
    field->clear();
    Paste(field, QStringLiteral(" 12ab "));
    QCOMPARE(field->text(), QStringLiteral(" 12AB "));
    SeenBox seen;
    QVERIFY(AnswerBoxOf(seen, [&] { QTest::mouseClick(run, Qt::LeftButton); }));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.text, QStringLiteral("'12AB' is not a valid integer value"));
    QCOMPARE(ResultRows(window.get()), reading);

    // Enter runs the same way.
    QVERIFY(AnswerBoxOf(seen, [&] { QTest::keyClick(field, Qt::Key_Enter); }));
    QCOMPARE(seen.text, QStringLiteral("'12AB' is not a valid integer value"));
    QCOMPARE(Text(window.get(), "RzLabel11"), QStringLiteral("80"));

    // A blank entry after a reading: the prompt, and the rows stay.
    ReplaceEntry(field, QStringLiteral("162"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Text(window.get(), "RzLabel10"), kEntry0);
    field->clear();
    Paste(field, QStringLiteral("   "));
    QVERIFY(AnswerBoxOf(seen, [&] { QTest::keyClick(field, Qt::Key_Return); }));
    QCOMPARE(seen.title, QStringLiteral("提示"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.text, Kind(kind).prompt);
    // Enter ran the reading once: no second box follows.
    QTest::qWait(50);
    QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == window.get());
    QCOMPARE(Text(window.get(), "RzLabel11"), QStringLiteral("162"));
    QCOMPARE(Text(window.get(), "RzLabel10"), kEntry0);
}

void NumberNameWindowsTest::closeReleasesTheWindow()
{
    for (int kind : {0, 1}) {
        QPointer<QDialog> window = Open(kind);
        QTest::mouseClick(Child<QPushButton>(window, "RzBitBtn2"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }
    QPointer<QDialog> netName = new orlenvo::numerology::TFrmWangming;
    netName->show();
    netName->close();
    QTRY_VERIFY(netName.isNull());
}

void NumberNameWindowsTest::netNameControls()
{
    orlenvo::numerology::TFrmWangming window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(window.windowTitle(), QStringLiteral("网名与性格"));
    QCOMPARE(window.size(), QSize(387, 179));
    QCOMPARE(window.font().pointSize(), 9);
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(Text(&window, "RzLabel1"), QStringLiteral("输入网名："));
    QCOMPARE(Child<QPushButton>(&window, "RzBitBtn1")->text(), QStringLiteral("测算"));
    QCOMPARE(Child<QPushButton>(&window, "RzBitBtn2")->text(), QStringLiteral("关闭"));
    QCOMPARE(Child<QGroupBox>(&window, "RzGroupBox1")->title(), QStringLiteral("测算结果"));
    auto *name = Child<QLabel>(&window, "RzLabel11");
    QCOMPARE(name->width(), 321);
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    auto *trait = Child<QLabel>(&window, "RzLabel8");
    QCOMPARE(trait->size(), QSize(329, 75));
    QVERIFY(trait->wordWrap());
    QCOMPARE(trait->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    // The name row shows what was entered, never markup.
    QCOMPARE(name->textFormat(), Qt::PlainText);
}

void NumberNameWindowsTest::netNameReadings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("trait");
    auto row = [](const char *tag, const char *typed, const char *shown, const char *trait) {
        QTest::newRow(tag) << QString::fromUtf8(typed) << QString::fromUtf8(shown) << QString::fromUtf8(trait);
    };
    row("张三", "张三", "张三", "心胸宽大，有深藏不露的自恋");
    row("張三, typed in Traditional", "張三", "張三", "心胸宽大，有深藏不露的自恋");
    row("小明", "小明", "小明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
    row("abc", "abc", "ABC", "可爱，较明显的自恋");
    row("abc!", "abc!", "ABC!", "可爱，较明显的自恋");
    row("007", "007", "007", "大丈夫主义者");
    row("10", "10", "10", "煽情高手");
    row("Ⅻ", "Ⅻ", "Ⅻ", "老实，沉默");
    row("ａ", "ａ", "ａ", "好奇心强，专一");
    row("θ", "θ", "θ", "自立，自强，可依靠");
    row("symbols only", "!@#", "!@#", "");
    row("no reading at the end", "张★", "张★", "");
    row("not in GBK", "李\xF0\x9F\x98\x80", "李\xF0\x9F\x98\x80", "圆滑");
    row("blanks around", "  佛给髟  ", "佛给髟", "老实，沉默");
}

void NumberNameWindowsTest::netNameReadings()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, trait);
    QPointer<QDialog> window = new orlenvo::numerology::TFrmWangming;
    QVERIFY(ShowOnScreen(window));
    auto *field = Child<QLineEdit>(window, "edtmun");
    Type(field, typed);
    QCOMPARE(field->text().trimmed(), shown);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Text(window, "RzLabel11"), QStringLiteral("你的网名：") + shown);
    QCOMPARE(Text(window, "RzLabel8"), QStringLiteral("你的性格：") + trait);
    if (typed == QStringLiteral("小明"))
        SaveScreenshot(window, "netname");
    QTest::mouseClick(Child<QPushButton>(window, "RzBitBtn2"), Qt::LeftButton);
    QTRY_VERIFY(window.isNull());
}

void NumberNameWindowsTest::netNameBlankEntryAndLength()
{
    std::unique_ptr<QDialog> window(new orlenvo::numerology::TFrmWangming);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    auto *field = Child<QLineEdit>(window.get(), "edtmun");
    Type(field, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(field->text(), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    QTest::mouseClick(Child<QPushButton>(window.get(), "RzBitBtn1"), Qt::LeftButton);
    QCOMPARE(Text(window.get(), "RzLabel8"), QStringLiteral("你的性格：固执，略有才气"));

    field->clear();
    Type(field, QStringLiteral(" "));
    SeenBox seen;
    QVERIFY(AnswerBoxOf(seen, [&] { QTest::keyClick(field, Qt::Key_Return); }));
    QCOMPARE(seen.title, QStringLiteral("提示"));
    QCOMPARE(seen.text, QStringLiteral("请输入你的网名！"));
    QCOMPARE(Text(window.get(), "RzLabel11"), QStringLiteral("你的网名：ABCDEFGHIJKLMNOPQR"));
    QCOMPARE(Text(window.get(), "RzLabel8"), QStringLiteral("你的性格：固执，略有才气"));
}

ORLENVO_QTEST_MAIN(NumberNameWindowsTest)
#include "NumberNameWindowsTest.moc"
