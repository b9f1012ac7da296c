// The export dialog and the holiday import.
#include "calendar/windows/IcsExport.h"

#include "calendar/CalendarLabels.h"
#include "calendar/HolidayImport.h"
#include "calendar/ICalendarFile.h"
#include "calendar/Sexagenary.h"
#include "core/AtomicFile.h"
#include "ui/Language.h"
#include "ui/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>
#include <utility>

Q_LOGGING_CATEGORY(lcCalendarFiles, "orlenvo.calendar.files")

namespace orlenvo::calendar {

namespace {

QString AnniversaryText(const LunarAnniversary &a)
{
    const LunarDate lunar{2000, a.month, a.day, a.leap};
    return ui::FromUtf8(a.title) + ui::Tr(QStringLiteral("：农历")) + ui::FromUtf8(LunarMonthName(lunar)) +
           (a.leap ? ui::Tr(QStringLiteral("月")) : QString()) + ui::FromUtf8(LunarDayName(lunar));
}

// An import's error for the box: the file by its name (a store's by its path), the line, and the
// rules of the holiday data in Chinese.
QString ImportErrorText(const TableError &error, const std::string &file)
{
    // clang-format off
    static const std::pair<std::string_view, const char *> kRules[] = {
        {"a make-up workday on a weekday", "调休上班（班）只能在星期六或星期日"},
        {"the day is both 休 and 班", "同一天不能既休又班"},
        {"the event is both 休 and 班", "同一日程不能既休又班"},
        {"the day is named twice", "同一天有两个节日名称"},
        {"a day without a holiday name", "缺少节日名称"},
        {"a date outside 1901-2050", "日期不在1901至2050年之间"},
        {"no 休 or 班 days found", "没有找到休或班的日子"},
        {"the dates must increase", "日期必须逐行递增"},
    };
    // clang-format on
    QString rule = ui::FromUtf8(error.Message());
    for (const auto &[english, chinese] : kRules)
        if (error.Message().ends_with(english))
            rule = ui::FromUtf8(error.Message().substr(0, error.Message().size() - english.size())) +
                   QString::fromUtf8(chinese);
    QString where = error.File() == file ? QFileInfo(ui::FromUtf8(file)).fileName() : ui::FromUtf8(error.File());
    if (error.Line() > 0)
        where += ui::Tr(QStringLiteral(" 第%1行")).arg(error.Line());
    return where + QStringLiteral("：") + rule;
}

}  // namespace

IcsExportDialog::IcsExportDialog(QWidget *parent, int year, const GoodDayQuery &goodDayMarks) : QDialog(parent)
{
    setObjectName(QStringLiteral("IcsExportDialog"));
    setWindowTitle(ui::Tr(QStringLiteral("导出到日历文件")));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(MakeYears(std::clamp(year, kFirstTableYear, kLastTableYear)));
    layout->addWidget(MakeKinds(goodDayMarks));
    layout->addWidget(MakeAnniversaries());
    layout->addWidget(MakeButtons());
    export_->setDefault(true);
}

// "年份：" from year to the next, kept the right way round whichever end moves.
QLayout *IcsExportDialog::MakeYears(int year)
{
    auto *years = new QHBoxLayout;
    fromYear_ = new QSpinBox(this);
    toYear_ = new QSpinBox(this);
    for (QSpinBox *box : {fromYear_, toYear_}) {
        box->setRange(kFirstTableYear, kLastTableYear);
        box->setSuffix(ui::Tr(QStringLiteral("年")));
    }
    fromYear_->setObjectName(QStringLiteral("FromYear"));
    toYear_->setObjectName(QStringLiteral("ToYear"));
    fromYear_->setValue(year);
    toYear_->setValue(std::min(year + 1, kLastTableYear));
    fromYear_->setAccessibleName(ui::Tr(QStringLiteral("起始年份")));
    toYear_->setAccessibleName(ui::Tr(QStringLiteral("结束年份")));
    auto *yearsLabel = new QLabel(ui::Tr(QStringLiteral("年份：")), this);
    yearsLabel->setBuddy(fromYear_);
    years->addWidget(yearsLabel);
    years->addWidget(fromYear_);
    years->addWidget(new QLabel(ui::Tr(QStringLiteral("至")), this));
    years->addWidget(toYear_);
    years->addStretch();
    connect(fromYear_, &QSpinBox::valueChanged, this, [this](int from) {
        if (toYear_->value() < from)
            toYear_->setValue(from);
    });
    connect(toYear_, &QSpinBox::valueChanged, this, [this](int to) {
        if (fromYear_->value() > to)
            fromYear_->setValue(to);
    });
    return years;
}

// The kinds of days, the good days with the calendar's marks pre-selected.
QGroupBox *IcsExportDialog::MakeKinds(const GoodDayQuery &goodDayMarks)
{
    auto *kinds = new QGroupBox(ui::Tr(QStringLiteral("导出内容")), this);
    auto *kindsLayout = new QGridLayout(kinds);
    holidays_ = new QCheckBox(ui::Tr(QStringLiteral("节假日安排（休/班）")), kinds);
    terms_ = new QCheckBox(ui::Tr(QStringLiteral("二十四节气（交节时刻）")), kinds);
    festivals_ = new QCheckBox(ui::Tr(QStringLiteral("农历与公历节日")), kinds);
    goodDays_ = new QCheckBox(ui::Tr(QStringLiteral("吉日：宜")), kinds);
    holidays_->setObjectName(QStringLiteral("Holidays"));
    terms_->setObjectName(QStringLiteral("Terms"));
    festivals_->setObjectName(QStringLiteral("Festivals"));
    goodDays_->setObjectName(QStringLiteral("GoodDays"));
    for (QCheckBox *box : {holidays_, terms_, festivals_})
        box->setChecked(true);
    activity_ = new QComboBox(kinds);
    activity_->setObjectName(QStringLiteral("Activity"));
    activity_->setAccessibleName(ui::Tr(QStringLiteral("吉日的事项")));
    for (const char *activity : kGoodDayActivities)
        activity_->addItem(ui::Tr(activity), QString::fromUtf8(activity));
    animal_ = new QComboBox(kinds);
    animal_->setObjectName(QStringLiteral("Animal"));
    animal_->setAccessibleName(ui::Tr(QStringLiteral("不冲属相")));
    animal_->addItem(ui::Tr(QStringLiteral("不限属相")), -1);
    for (int branch = 0; branch < 12; ++branch)
        animal_->addItem(ui::Tr(QStringLiteral("不冲")) + ui::Tr(BranchAnimal(branch)), branch);
    if (!goodDayMarks.activity.empty()) {
        goodDays_->setChecked(true);
        activity_->setCurrentIndex(activity_->findData(ui::FromUtf8(goodDayMarks.activity)));
        animal_->setCurrentIndex(std::max(0, animal_->findData(goodDayMarks.animal)));
    }
    kindsLayout->addWidget(holidays_, 0, 0, 1, 3);
    kindsLayout->addWidget(terms_, 1, 0, 1, 3);
    kindsLayout->addWidget(festivals_, 2, 0, 1, 3);
    kindsLayout->addWidget(goodDays_, 3, 0);
    kindsLayout->addWidget(activity_, 3, 1);
    kindsLayout->addWidget(animal_, 3, 2);
    return kinds;
}

// The anniversaries to add: title, lunar month and day, leap; the list; the rules of short years.
QGroupBox *IcsExportDialog::MakeAnniversaries()
{
    auto *lunar = new QGroupBox(ui::Tr(QStringLiteral("农历纪念日（每年按农历重复）")), this);
    auto *lunarLayout = new QGridLayout(lunar);
    MakeAnniversaryEntry(lunar);
    auto *add = new QPushButton(ui::Tr(QStringLiteral("添加")), lunar);
    add->setObjectName(QStringLiteral("AddAnniversary"));
    auto *remove = new QPushButton(ui::Tr(QStringLiteral("删除")), lunar);
    remove->setObjectName(QStringLiteral("RemoveAnniversary"));
    anniversaries_ = new QListWidget(lunar);
    anniversaries_->setObjectName(QStringLiteral("Anniversaries"));
    anniversaries_->setAccessibleName(ui::Tr(QStringLiteral("要导出的农历纪念日")));
    anniversaries_->setMaximumHeight(72);
    auto *rule =
        new QLabel(ui::Tr(QStringLiteral("某年该月只有29天时，三十记在廿九；某年没有该闰月时，记在同月。")), lunar);
    rule->setWordWrap(true);
    lunarLayout->addWidget(anniversaryTitle_, 0, 0);
    lunarLayout->addWidget(anniversaryMonth_, 0, 1);
    lunarLayout->addWidget(anniversaryDay_, 0, 2);
    lunarLayout->addWidget(anniversaryLeap_, 0, 3);
    lunarLayout->addWidget(add, 0, 4);
    lunarLayout->addWidget(anniversaries_, 1, 0, 1, 4);
    lunarLayout->addWidget(remove, 1, 4, Qt::AlignTop);
    lunarLayout->addWidget(rule, 2, 0, 1, 5);
    connect(add, &QPushButton::clicked, this, ui::Guard(this, &IcsExportDialog::AddAnniversaryClick));
    connect(anniversaryTitle_, &QLineEdit::returnPressed, this, ui::Guard(this, &IcsExportDialog::AddAnniversaryClick));
    connect(remove, &QPushButton::clicked, this, ui::Guard(this, &IcsExportDialog::RemoveAnniversaryClick));
    return lunar;
}

void IcsExportDialog::MakeAnniversaryEntry(QGroupBox *lunar)
{
    anniversaryTitle_ = new QLineEdit(lunar);
    anniversaryTitle_->setObjectName(QStringLiteral("AnniversaryTitle"));
    anniversaryTitle_->setPlaceholderText(ui::Tr(QStringLiteral("名称，如：妈妈生日")));
    anniversaryTitle_->setAccessibleName(ui::Tr(QStringLiteral("纪念日名称")));
    anniversaryMonth_ = new QComboBox(lunar);
    anniversaryMonth_->setObjectName(QStringLiteral("AnniversaryMonth"));
    anniversaryMonth_->setAccessibleName(ui::Tr(QStringLiteral("农历月")));
    for (int month = 1; month <= 12; ++month)
        anniversaryMonth_->addItem(ui::FromUtf8(LunarMonthName(LunarDate{2000, month, 1, false})), month);
    anniversaryDay_ = new QComboBox(lunar);
    anniversaryDay_->setObjectName(QStringLiteral("AnniversaryDay"));
    anniversaryDay_->setAccessibleName(ui::Tr(QStringLiteral("农历日")));
    for (int day = 1; day <= 30; ++day)
        anniversaryDay_->addItem(ui::FromUtf8(LunarDayName(LunarDate{2000, 1, day, false})), day);
    anniversaryLeap_ = new QCheckBox(ui::Tr(QStringLiteral("闰月")), lunar);
    anniversaryLeap_->setObjectName(QStringLiteral("AnniversaryLeap"));
}

QDialogButtonBox *IcsExportDialog::MakeButtons()
{
    auto *buttons = new QDialogButtonBox(this);
    export_ = buttons->addButton(ui::Tr(QStringLiteral("导出…")), QDialogButtonBox::AcceptRole);
    export_->setObjectName(QStringLiteral("Export"));
    QPushButton *cancel = buttons->addButton(ui::Tr(QStringLiteral("取消")), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(export_, &QPushButton::clicked, this, ui::Guard(this, &IcsExportDialog::ExportClick));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

ExportChoice IcsExportDialog::Choice() const
{
    ExportChoice choice;
    choice.fromYear = fromYear_->value();
    choice.toYear = toYear_->value();
    choice.holidays = holidays_->isChecked();
    choice.terms = terms_->isChecked();
    choice.festivals = festivals_->isChecked();
    if (goodDays_->isChecked())
        choice.goodDays = {ui::ToUtf8(activity_->currentData().toString()), animal_->currentData().toInt()};
    choice.anniversaries = chosenAnniversaries_;
    return choice;
}

void IcsExportDialog::AddAnniversaryClick()
{
    const QString title = anniversaryTitle_->text().trimmed();
    if (title.isEmpty()) {
        ui::ShowInformation(QStringLiteral("请输入纪念日的名称！"));
        anniversaryTitle_->setFocus();
        return;
    }
    const LunarAnniversary a{ui::ToUtf8(title), anniversaryMonth_->currentData().toInt(),
                             anniversaryDay_->currentData().toInt(), anniversaryLeap_->isChecked()};
    chosenAnniversaries_.push_back(a);
    anniversaries_->addItem(AnniversaryText(a));
    anniversaryTitle_->clear();
}

void IcsExportDialog::RemoveAnniversaryClick()
{
    const int row = anniversaries_->currentRow();
    if (row < 0 || row >= static_cast<int>(chosenAnniversaries_.size()))
        return;
    chosenAnniversaries_.erase(chosenAnniversaries_.begin() + row);
    delete anniversaries_->takeItem(row);
}

void IcsExportDialog::ExportClick()
{
    const ExportChoice choice = Choice();
    const std::vector<CalendarEvent> events = ExportEvents(choice);
    if (events.empty()) {
        ui::ShowInformation(QStringLiteral("没有要导出的日子，请勾选导出内容或添加纪念日！"));
        return;
    }
    const QString suggested =
        QDir::home().filePath(QStringLiteral("orlenvo-%1-%2.ics").arg(choice.fromYear).arg(choice.toYear));
    QString file;
    if (chooseFile) {
        file = chooseFile(suggested);
    } else {
        // Qt's own dialog, which reads in Chinese with the program's translations on any desktop.
        file = QFileDialog::getSaveFileName(this, ui::Tr(QStringLiteral("导出到日历文件")), suggested,
                                            ui::Tr(QStringLiteral("iCalendar 日历文件 (*.ics);;所有文件 (*)")), nullptr,
                                            QFileDialog::DontUseNativeDialog);
    }
    if (file.isEmpty())
        return;
    const std::string text = ICalendarText(ExportCalendarName(choice), events, QDateTime::currentSecsSinceEpoch());
    if (const auto failure = WriteFileAtomically(ui::ToUtf8(file), text)) {
        qCWarning(lcCalendarFiles, "export not written: %s", failure->c_str());
        QMessageBox::warning(this, ui::Tr(QStringLiteral("导出到日历文件")),
                             ui::Tr(QStringLiteral("无法写入日历文件：\n%1")).arg(ui::FromUtf8(*failure)));
        return;
    }
    ui::ShowInformation(ui::Tr(QStringLiteral("已导出%1个日程到：\n%2")).arg(events.size()).arg(file));
    accept();
}

void OpenIcsExportDialog(QWidget *parent, int year, const GoodDayQuery &goodDayMarks)
{
    IcsExportDialog dialog(parent, year, goodDayMarks);
    dialog.exec();
}

bool ImportHolidaysFromUser(QWidget *parent, const QString &given)
{
    QString file = given;
    if (file.isEmpty())
        file = QFileDialog::getOpenFileName(parent, ui::Tr(QStringLiteral("导入节假日安排")), QDir::homePath(),
                                            ui::Tr(QStringLiteral("节假日安排 (*.txt *.json *.ics);;所有文件 (*)")),
                                            nullptr, QFileDialog::DontUseNativeDialog);
    if (file.isEmpty())
        return false;
    try {
        const HolidayImportReport report = ImportHolidayFile(ui::ToUtf8(file), HolidayStorePath());
        ui::ShowInformation(ui::Tr(QStringLiteral("已导入节假日安排：%1。\n节假日数据至%2年。"))
                                .arg(ui::FromUtf8(ImportReportText(report)))
                                .arg(LastHolidayYear()));
        return true;
    } catch (const TableError &e) {
        qCWarning(lcCalendarFiles, "holidays not imported: %s", e.what());
        QMessageBox::warning(
            parent, ui::Tr(QStringLiteral("导入节假日安排")),
            ui::Tr(QStringLiteral("未导入，节假日数据没有改变：\n%1")).arg(ImportErrorText(e, ui::ToUtf8(file))));
        return false;
    }
}

}  // namespace orlenvo::calendar
