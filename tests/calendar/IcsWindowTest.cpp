// The export dialog and the holiday import's messages. With ORLENVO_SCREENSHOT_DIR set, saves
// calendar-export-dialog.png, calendar-import-done.png and calendar-import-error.png there.
#include "calendar/HolidayImport.h"
#include "calendar/windows/DateWin.h"
#include "calendar/windows/IcsExport.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ScratchFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace orlenvo;
using namespace orlenvo::calendar;

namespace {

void SaveScreenshot(QWidget *widget, const char *name)
{
    const QString folder = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR");
    if (!folder.isEmpty() && name != nullptr)
        QVERIFY(widget->grab().save(folder + QLatin1Char('/') + QString::fromLatin1(name)));
}

// Grabs and reads the next message box, then closes it.
void ReadNextBox(QString &text, QMessageBox::Icon &icon, const char *screenshot)
{
    testing::WithNextModal([&text, &icon, screenshot](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box != nullptr);
        text = box->text();
        icon = box->icon();
        SaveScreenshot(box, screenshot);
        box->accept();
    });
}

}  // namespace

class IcsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void exportDialog()
    {
        testing::ScratchFolder folder;
        IcsExportDialog dialog(nullptr, 2026, {"嫁娶", 0});
        QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("FromYear"))->value(), 2026);
        QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("ToYear"))->value(), 2027);
        QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("GoodDays"))->isChecked());
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("Animal"))->currentText(), QStringLiteral("不冲鼠"));
        dialog.findChild<QLineEdit *>(QStringLiteral("AnniversaryTitle"))->setText(QStringLiteral("奶奶生日"));
        dialog.findChild<QComboBox *>(QStringLiteral("AnniversaryMonth"))->setCurrentIndex(7);
        dialog.findChild<QComboBox *>(QStringLiteral("AnniversaryDay"))->setCurrentIndex(14);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("AddAnniversary")), Qt::LeftButton);
        QCOMPARE(dialog.findChild<QListWidget *>(QStringLiteral("Anniversaries"))->item(0)->text(),
                 QStringLiteral("奶奶生日：农历八月十五"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SaveScreenshot(&dialog, "calendar-export-dialog.png");

        const QString file = QString::fromStdString(folder.Path("out.ics").string());
        QString suggested;
        dialog.chooseFile = [&](const QString &path) {
            suggested = path;
            return file;
        };
        QString text;
        QMessageBox::Icon icon{};
        ReadNextBox(text, icon, nullptr);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Export")), Qt::LeftButton);
        QVERIFY(suggested.endsWith(QStringLiteral("/orlenvo-2026-2027.ics")));
        QVERIFY(text.startsWith(QStringLiteral("已导出")));
        QVERIFY(text.endsWith(file));
        const std::string written = folder.Read("out.ics");
        QVERIFY(written.starts_with("BEGIN:VCALENDAR\r\n"));
        QVERIFY(written.find("SUMMARY:奶奶生日") != std::string::npos);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // The calendar's menu opens the dialog with this year and the grid's good days, and stays open.
    void calendarMenu()
    {
        TFRM_Date calendar;
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        calendar.activateWindow();
        auto action = [&](const QString &text) {
            for (QAction *a : calendar.findChildren<QAction *>())
                if (a->text() == text)
                    return a;
            return static_cast<QAction *>(nullptr);
        };
        QVERIFY(action(QStringLiteral("导入节假日安排…")) != nullptr);
        action(QStringLiteral("嫁娶"))->trigger();
        int year = 0, month = 0, day = 0;
        DecodeDate(Today(), year, month, day);
        bool seen = false;
        testing::WithNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<IcsExportDialog *>(modal);
            QVERIFY(dialog != nullptr);
            seen = true;
            QCOMPARE(dialog->Choice().fromYear, std::clamp(year, kFirstTableYear, kLastTableYear));
            QCOMPARE(dialog->Choice().goodDays.activity, std::string("嫁娶"));
            dialog->reject();
        });
        action(QStringLiteral("导出到日历文件…"))->trigger();
        QVERIFY(seen);
        QVERIFY(calendar.isVisible());
    }

    void importMessages()
    {
        testing::ScratchFolder folder;
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.Path("data").string()));
        folder.Write(
            "2027.json",
            R"({"holidays":{"2027-10-01":"National Day,国庆节,7"},"workdays":{"2027-10-09":"National Day,国庆节,7"}})");
        folder.Write(
            "bad.json",
            R"({"holidays":{"2027-10-01":"National Day,国庆节,7"},"workdays":{"2027-10-08":"National Day,国庆节,7"}})");
        QString text;
        QMessageBox::Icon icon{};
        ReadNextBox(text, icon, "calendar-import-done.png");
        QVERIFY(ImportHolidaysFromUser(nullptr, QString::fromStdString(folder.Path("2027.json").string())));
        QCOMPARE(text, QStringLiteral("已导入节假日安排：新增2027年。\n节假日数据至2027年。"));

        const QString bad = QString::fromStdString(folder.Path("bad.json").string());
        ReadNextBox(text, icon, "calendar-import-error.png");
        QVERIFY(!ImportHolidaysFromUser(nullptr, bad));
        QCOMPARE(text,
                 QStringLiteral(
                     "未导入，节假日数据没有改变：\nbad.json 第1行：2027-10-08: 调休上班（班）只能在星期六或星期日"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(LastHolidayYear(), 2027);
        UseHolidayTable(BuiltInHolidays());
        qunsetenv("XDG_DATA_HOME");
    }
};

ORLENVO_QTEST_MAIN(IcsWindowTest)
#include "IcsWindowTest.moc"
