// The windows under a Traditional script: the menus, the calendar of February 2026 (春节), the
// almanac and the day page of 2026-02-17, with no character that exists only in Simplified.
#include "app/CommandTable.h"
#include "app/windows/EndMsg.h"
#include "app/windows/MenuBar.h"
#include "app/windows/Uabout.h"
#include "app/windows/Unt_Main.h"
#include "app/windows/Unt_servers.h"
#include "articles/windows/ImageInfo.h"
#include "articles/windows/UntNote.h"
#include "articles/windows/UntOnther.h"
#include "articles/windows/Untabt.h"
#include "calendar/LunarCalendar.h"
#include "calendar/windows/DateWin.h"
#include "calendar/windows/DayPage.h"
#include "calendar/windows/IcsExport.h"
#include "calendar/windows/huangdao.h"
#include "core/RegionalSettings.h"
#include "core/Script.h"
#include "numerology/windows/UntQQ.h"
#include "numerology/windows/UntWangm.h"
#include "numerology/windows/Unt_sjcs.h"
#include "numerology/windows/Untonteher.h"
#include "tests/support/Children.h"
#include "tests/support/Doubles.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"
#include "ui/Desktop.h"
#include "ui/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace orlenvo;
using namespace orlenvo::testing;

Q_DECLARE_METATYPE(orlenvo::Script)

namespace {

// The characters OpenCC's tables know only in Simplified (written by tools/gen_traditional).
QSet<QString> SimplifiedOnly()
{
    QFile file(QStringLiteral(ORLENVO_SOURCE_DIR "/content/l10n/simplified-only.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> set;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty())
            set.insert(QString::fromUtf8(line));
    return set;
}

// Every text a user reads on a window and its children: captions, labels, buttons, group
// titles, tooltips, spoken names, text fields, table cells and menu commands.
QStringList ShownTexts(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<const QWidget *> widgets{window};
    for (const QWidget *w : window->findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << button->text();
        if (const auto *box = qobject_cast<const QGroupBox *>(w))
            texts << box->title();
        if (const auto *list = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (const auto *memo = qobject_cast<const QPlainTextEdit *>(w))
            texts << memo->toPlainText();
        if (const auto *table = qobject_cast<const QTableWidget *>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem *item = table->horizontalHeaderItem(c))
                    texts << item->text();
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    if (const QTableWidgetItem *item = table->item(r, c))
                        texts << item->text();
        }
        for (const QAction *action : w->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

// Every kind of window, opened as its command opens it (a title given is the command's caption,
// in the script's form).
struct WindowRow {
    const char *label;
    std::function<QWidget *()> open;
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
QWidget *Titled(const char *title)
{
    auto *window = new T;
    window->setWindowTitle(ui::Tr(title));
    return window;
}

const std::vector<WindowRow> &Windows()
{
    static MemoryStartPage startPage;
    static const std::vector<WindowRow> rows = {
        {"main", [] { return new app::TFrmmain(Dispatch(), Offline()); }},
        {"mobile number", [] { return new numerology::TFrm_SJcs; }},
        {"net name", [] { return new numerology::TFrmWangming; }},
        {"QQ number", [] { return new numerology::TFrmQQhm; }},
        {"any number", [] { return new numerology::TFrm_onther; }},
        {"article", [] { return Titled<articles::TFrmNote>("孝经"); }},
        {"picture article", [] { return Titled<articles::TImageInfoLoad>("客厅招财布局 [图]"); }},
        {"omen", [] { return Titled<articles::TFormOnther>("眼跳测吉凶"); }},
        {"chart", [] { return new articles::TFrm_NanNv; }},
        {"calendar export",
         [] {
             return new calendar::IcsExportDialog(nullptr, 2026, GoodDayQuery{"嫁娶", 0});
         }},
        {"about", [] { return new app::TAbout; }},
        {"service", [] { return new app::TFrm_servers; }},
        {"exit prompt", [] { return new app::TFrmMsG(startPage, QStringLiteral("http://example.invalid/"), nullptr); }},
    };
    return rows;
}

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void StepTo(QWidget &window, const QString &spinner, int target)
{
    auto *upDown = Child<ui::UpDown>(window, spinner);
    for (int guard = 0; guard < 200 && upDown->position() != target; ++guard)
        Click(Child<QToolButton>(*upDown, upDown->position() < target ? QStringLiteral("up") : QStringLiteral("down")));
}

}  // namespace

class TraditionalTest : public QObject {
    Q_OBJECT

    QSet<QString> simplifiedOnly_;

    // Fails on every Simplified-only character of the texts, naming the text.
    void ExpectTraditional(const QStringList &texts, const char *where)
    {
        for (const QString &text : texts)
            for (const QChar c : text)
                if (simplifiedOnly_.contains(QString(c)))
                    QFAIL(qPrintable(QStringLiteral("%1: %2 in \"%3\"").arg(QLatin1String(where), c, text)));
    }

private slots:
    void initTestCase()
    {
        SynchroniseRegionalSettings(RegionalSettings());
        simplifiedOnly_ = SimplifiedOnly();
        QVERIFY(simplifiedOnly_.size() > 2000);
    }

    void cleanup()
    {
        SetScript(Script::Simplified);
        DeleteWindows<calendar::TFormHuangdao>();
        DeleteWindows<calendar::TFormDayPage>();
    }

    void windows_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("calendarCaption");
        QTest::addColumn<QString>("springFestival");
        QTest::addColumn<QString>("officeCommand");
        // The command 办公室里的十大宝物: Taiwan writes 裡 (s2twp), Hong Kong 裏 (s2hk).
        QTest::newRow("zh_TW") << Script::Taiwan << QStringLiteral("Kestrin日曆") << QStringLiteral("春節")
                               << QStringLiteral("辦公室裡的十大寶物");
        QTest::newRow("zh_HK") << Script::HongKong << QStringLiteral("Kestrin日曆") << QStringLiteral("春節")
                               << QStringLiteral("辦公室裏的十大寶物");
    }

    void windows()
    {
        QFETCH(Script, script);
        QFETCH(QString, calendarCaption);
        QFETCH(QString, springFestival);
        QFETCH(QString, officeCommand);
        SetScript(script);

        // The menus: all twelve with every command.
        app::WrappingMenuBar bar([](const CommandAction &) {});
        QStringList menuTexts;
        int commands = 0;
        const std::function<void(const QMenu *)> walk = [&](const QMenu *menu) {
            menuTexts << menu->title();
            for (const QAction *action : menu->actions()) {
                if (action->menu())
                    walk(action->menu());
                else if (!action->isSeparator())
                    ++commands, menuTexts << action->text();
            }
        };
        for (const QMenu *menu : bar.Menus())
            walk(menu);
        QCOMPARE(commands, 607);
        QVERIFY(menuTexts.contains(QStringLiteral("萬年曆法")));
        QVERIFY(menuTexts.contains(officeCommand));
        ExpectTraditional(menuTexts, "menus");

        // The calendar of February 2026: 春节 on the 17th, the year of the horse.
        calendar::TFRM_Date calendarWindow;
        calendarWindow.show();
        StepTo(calendarWindow, QStringLiteral("UpDown1"), 2026);
        StepTo(calendarWindow, QStringLiteral("UpDown2"), 2);
        QCOMPARE(calendarWindow.windowTitle(), calendarCaption);
        QStringList lunarTexts;
        for (int i = 1; i <= calendar::TFRM_Date::kCellCount; ++i)
            lunarTexts << Child<QLabel>(calendarWindow, QStringLiteral("LunarTextCell%1").arg(i))->text();
        QVERIFY(lunarTexts.contains(springFestival));
        QVERIFY(lunarTexts.contains(QStringLiteral("廿一")));
        const QStringList calendarTexts = ShownTexts(&calendarWindow);
        // The 17th's tooltip: its lunar date, its animal and the holiday.
        QVERIFY(calendarTexts.join(QLatin1Char('\n')).contains(QStringLiteral("農曆丙午年正月初一")));
        QVERIFY(calendarTexts.join(QLatin1Char('\n')).contains(QStringLiteral("生肖：馬")));
        ExpectTraditional(calendarTexts, "calendar");

        // The almanac window: its fixed texts and glossary (the day's row comes from the database).
        calendar::TFormHuangdao *almanac = calendar::OpenAlmanacWindow(nullptr);
        QCOMPARE(almanac->windowTitle(), QStringLiteral("黃道吉日"));
        QCOMPARE(Child<QGroupBox>(almanac, "GroupBox2")->title(), QStringLiteral("黃曆名詞解釋："));
        QVERIFY(Child<QPlainTextEdit>(almanac, "Memo2")->toPlainText().contains(QStringLiteral("開光 ：佛像塑成後")));
        QStringList almanacTexts = ShownTexts(almanac);
        almanacTexts.removeAll(Child<QPlainTextEdit>(almanac, "Memo1")->toPlainText());
        almanacTexts.removeAll(Child<QLabel>(almanac, "Label1")->text());
        ExpectTraditional(almanacTexts, "almanac");

        // The day page of 2026-02-17: computed, so every text is the script's.
        calendar::TFormDayPage *page = calendar::OpenDayPage(nullptr, EncodeDate(2026, 2, 17));
        const QStringList pageTexts = ShownTexts(page);
        ExpectTraditional(pageTexts, "day page");
        const QString hours = pageTexts.join(QLatin1Char('\n'));
        QVERIFY(hours.contains(QStringLiteral("農曆丙午年正月初一")));
        QVERIFY2(hours.contains(QStringLiteral("沖")), "the clash is 沖 (overrides.tsv ^冲$)");
        QVERIFY(!hours.contains(QStringLiteral("衝")) && !hours.contains(QStringLiteral("醜")));

        // The screenshots of scripts/screenshot-traditional.sh, when ORLENVO_SCREENSHOT_DIR is set.
        if (const QString dir = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR"); !dir.isEmpty()) {
            const QString prefix = dir + QLatin1Char('/') + QLatin1String(QTest::currentDataTag()) + QLatin1Char('-');
            QVERIFY(calendarWindow.grab().save(prefix + QStringLiteral("calendar-2026-02.png")));
            almanac->ShowDay(2026, 2, 17);
            QVERIFY(almanac->grab().save(prefix + QStringLiteral("almanac.png")));
            QVERIFY(page->grab().save(prefix + QStringLiteral("day-page-2026-02-17.png")));
        }
    }

    // The first Chinese language of the list decides; --lang overrides the locale.
    void scriptOfLanguages()
    {
        const struct {
            QStringList languages;
            Script script;
        } rows[] = {
            {{QStringLiteral("zh-TW")}, Script::Taiwan},
            {{QStringLiteral("zh-Hant-TW"), QStringLiteral("zh-TW")}, Script::Taiwan},
            {{QStringLiteral("zh-HK")}, Script::HongKong},
            {{QStringLiteral("zh-Hant-MO")}, Script::HongKong},
            {{QStringLiteral("zh_MO")}, Script::HongKong},
            {{QStringLiteral("zh-Hant")}, Script::Taiwan},
            {{QStringLiteral("en-US"), QStringLiteral("zh-HK")}, Script::HongKong},
            {{QStringLiteral("zh-CN"), QStringLiteral("zh-TW")}, Script::Simplified},
            {{QStringLiteral("zh-Hans-SG")}, Script::Simplified},
            {{QStringLiteral("en-US"), QStringLiteral("de-DE")}, Script::Simplified},
            {{}, Script::Simplified},
        };
        for (const auto &row : rows)
            QVERIFY2(ui::ScriptForLanguages(row.languages) == row.script, qPrintable(row.languages.join(u',')));
        ui::ChooseScript({QStringLiteral("orlenvo"), QStringLiteral("--lang"), QStringLiteral("zh_HK")});
        QCOMPARE(CurrentScript(), Script::HongKong);
        ui::ChooseScript({QStringLiteral("orlenvo"), QStringLiteral("--lang=zh-TW")});
        QCOMPARE(CurrentScript(), Script::Taiwan);
    }

    // Qt's own buttons: Qt's Taiwan translation under both Traditional scripts (Qt has no Hong
    // Kong one).
    void qtStandardTexts()
    {
        SetScript(Script::HongKong);
        QVERIFY(ui::LoadQtTranslation(*qApp));
        QDialogButtonBox box;
        box.addButton(QDialogButtonBox::Ok);
        box.addButton(QDialogButtonBox::Close);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("確定"));
        QCOMPARE(box.button(QDialogButtonBox::Close)->text(), QStringLiteral("關閉"));
    }

    // The main window's pictures with text, converted when building: the script's characters,
    // the earthly branch 丑 of the compass ring kept (overrides.tsv ^丑$).
    void pictures()
    {
        for (const QString &script : {QStringLiteral("zh_TW"), QStringLiteral("zh_HK")}) {
            for (const char *name : {"banner", "side", "work"}) {
                QFile file(QStringLiteral(":/pictures/%1/%2.svg").arg(script, QLatin1String(name)));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
                const QString text = QString::fromUtf8(file.readAll());
                ExpectTraditional({text}, name);
                if (qstrcmp(name, "work") == 0)
                    QVERIFY(text.contains(QStringLiteral(">丑<")) && !text.contains(QStringLiteral("醜")));
            }
        }
        SetScript(Script::HongKong);
        QCOMPARE(ui::ScriptPicture(QStringLiteral(":/pictures/work.svg")), QStringLiteral(":/pictures/zh_HK/work.svg"));
        QCOMPARE(ui::ScriptPicture(QStringLiteral(":/pictures/menubar.svg")), QStringLiteral(":/pictures/menubar.svg"));
    }

    // Every other kind of window under both scripts: no Simplified-only character in its fixed
    // texts (the knowledge databases' rows are not loaded here).
    void otherWindows_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<int>("row");
        for (const auto &[name, script] : {std::pair{"zh_TW", Script::Taiwan}, std::pair{"zh_HK", Script::HongKong}})
            for (int i = 0; i < int(Windows().size()); ++i)
                QTest::addRow("%s %s", name, Windows()[i].label) << script << i;
    }

    void otherWindows()
    {
        QFETCH(Script, script);
        QFETCH(int, row);
        SetScript(script);
        std::unique_ptr<QWidget> window(Windows()[row].open());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        const QStringList texts = ShownTexts(window.get());
        QVERIFY(texts.join(QString()).size() > 0);
        ExpectTraditional(texts, Windows()[row].label);
    }
};

ORLENVO_QTEST_MAIN(TraditionalTest)
#include "TraditionalTest.moc"
