// The day page window.
#include "calendar/windows/DayPage.h"

#include "calendar/DayPage.h"
#include "calendar/Sexagenary.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace orlenvo::calendar {

namespace {

constexpr int kClientWidth = 720;
constexpr int kClientHeight = 476;
constexpr int kRowHeight = 22;

// The almanac window's date line, the calendar's highlight of the chosen day.
constexpr QColor kDateLineColour{0xFF, 0x00, 0x00};
constexpr QColor kYellowPathColour{0xFF, 0x00, 0x00};
constexpr QColor kBlackPathColour{0x00, 0x00, 0x00};
constexpr QColor kCurrentHourColour{0x7E, 0xE2, 0x81};

const char *const kHourColumns[] = {"时辰", "时间", "干支", "值神", "吉凶", "冲煞"};
constexpr int kHourColumnWidths[] = {40, 88, 40, 40, 40};

QGroupBox *MakeBox(QWidget *parent, const QString &name, const QString &title, const QRect &geometry)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

}  // namespace

TFormDayPage::TFormDayPage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(this, {QStringLiteral("FormDayPage"), QStringLiteral("当日黄历详情"),
                           QSize(kClientWidth, kClientHeight), true});

    MakeHeader();

    // Left: the date lines, the spirits and directions, the four lists; right: the thirteen hours.
    MakeDetails();
    MakeSpirits();
    MakeLists();
    MakeHours();
    ui::SetSpokenName(Lists, ui::Tr(QStringLiteral("黄历宜忌")));
    ui::SetSpokenName(Hours, ui::Tr(QStringLiteral("时辰吉凶")));
    ui::SetUpKeyboard(this);
    for (QWidget *control :
         {static_cast<QWidget *>(Lists), static_cast<QWidget *>(Hours), static_cast<QWidget *>(PreviousDay),
          static_cast<QWidget *>(NextDay), static_cast<QWidget *>(CloseButton)})
        control->installEventFilter(this);

    connect(PreviousDay, &QPushButton::clicked, this, ui::Guard(this, &TFormDayPage::PreviousDayClick));
    connect(NextDay, &QPushButton::clicked, this, ui::Guard(this, &TFormDayPage::NextDayClick));
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

// The day buttons, "关闭" and the date line.
void TFormDayPage::MakeHeader()
{
    PreviousDay = ui::MakeButton(this, QStringLiteral("PreviousDay"), QStringLiteral("前一天"), QRect(16, 12, 76, 26));
    NextDay = ui::MakeButton(this, QStringLiteral("NextDay"), QStringLiteral("后一天"), QRect(104, 12, 76, 26));
    CloseButton = ui::MakeButton(this, QStringLiteral("CloseButton"), QStringLiteral("关闭"), QRect(620, 12, 76, 26));
    PreviousDay->setToolTip(ui::Tr(QStringLiteral("前一天 (PageUp)")));
    NextDay->setToolTip(ui::Tr(QStringLiteral("后一天 (PageDown)")));

    DateCaption =
        ui::MakeLabel(this, QStringLiteral("DateCaption"), QStringLiteral("当日统览："), QRect(16, 48, 64, 20));
    DateLine = ui::MakeLabel(this, QStringLiteral("DateLine"), QString(), QRect(80, 48, 620, 20));
    DateLine->setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}, true));
    ui::SetTextColour(DateLine, kDateLineColour);
}

void TFormDayPage::MakeDetails()
{
    DetailsBox =
        MakeBox(this, QStringLiteral("DetailsBox"), ui::Tr(QStringLiteral("当日详情：")), QRect(8, 76, 328, 116));
    DetailLines = ui::MakeLabel(DetailsBox, QStringLiteral("DetailLines"), QString(), QRect(8, 20, 312, 90),
                                Qt::AlignLeft | Qt::AlignTop);
    DetailLines->setWordWrap(true);
}

// 值神 and 星宿 a row each, then the five directions.
void TFormDayPage::MakeSpirits()
{
    SpiritsBox =
        MakeBox(this, QStringLiteral("SpiritsBox"), ui::Tr(QStringLiteral("神煞方位：")), QRect(8, 200, 328, 110));
    const QString captions[7] = {ui::Tr(QStringLiteral("值神：")),  ui::Tr(QStringLiteral("星宿：")),
                                 ui::Tr(QStringLiteral("喜神：")),  ui::Tr(QStringLiteral("福神：")),
                                 ui::Tr(QStringLiteral("财神：")),  ui::Tr(QStringLiteral("阳贵神：")),
                                 ui::Tr(QStringLiteral("阴贵神："))};
    // 值神 and 星宿 a row each; the directions three and two to a row.
    const QRect places[7] = {QRect(8, 20, 150, 18),   QRect(8, 42, 150, 18),   QRect(8, 64, 100, 18),
                             QRect(112, 64, 100, 18), QRect(216, 64, 100, 18), QRect(8, 86, 100, 18),
                             QRect(112, 86, 100, 18)};
    for (int i = 0; i < 7; ++i) {
        const int captionWidth = i < 5 ? 36 : 48;
        const QRect &p = places[i];
        spiritCaptions_[i] = ui::MakeLabel(SpiritsBox, QStringLiteral("SpiritCaption%1").arg(i), captions[i],
                                           QRect(p.left(), p.top(), captionWidth, p.height()));
        spiritValues_[i] = ui::MakeLabel(SpiritsBox, QStringLiteral("SpiritValue%1").arg(i), QString(),
                                         QRect(p.left() + captionWidth, p.top(), i < 2 ? 260 : 52, p.height()));
    }
    ui::PairRows({{spiritCaptions_[0], spiritValues_[0]},
                  {spiritCaptions_[1], spiritValues_[1]},
                  {spiritCaptions_[2], spiritValues_[2]},
                  {spiritCaptions_[3], spiritValues_[3]},
                  {spiritCaptions_[4], spiritValues_[4]},
                  {spiritCaptions_[5], spiritValues_[5]},
                  {spiritCaptions_[6], spiritValues_[6]}});
}

void TFormDayPage::MakeLists()
{
    ListsBox = MakeBox(this, QStringLiteral("ListsBox"), ui::Tr(QStringLiteral("黄历宜忌：")), QRect(8, 318, 328, 150));
    Lists = new QPlainTextEdit(ListsBox);
    Lists->setObjectName(QStringLiteral("Lists"));
    Lists->setGeometry(8, 20, 312, 122);
    Lists->setReadOnly(true);
    Lists->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Lists->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// The thirteen hours, a row each, and the note on their colours and the 晚子 rule.
void TFormDayPage::MakeHours()
{
    HoursBox =
        MakeBox(this, QStringLiteral("HoursBox"), ui::Tr(QStringLiteral("时辰吉凶：")), QRect(344, 76, 368, 392));
    Hours = new QTableWidget(13, 6, HoursBox);
    Hours->setObjectName(QStringLiteral("Hours"));
    Hours->setGeometry(8, 20, 352, 13 * kRowHeight + kRowHeight + 4);
    Hours->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Hours->setSelectionMode(QAbstractItemView::NoSelection);
    Hours->setCornerButtonEnabled(false);
    Hours->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move within it
    Hours->verticalHeader()->hide();
    Hours->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Hours->horizontalHeader()->setFixedHeight(kRowHeight);
    Hours->horizontalHeader()->setSectionsClickable(false);
    Hours->horizontalHeader()->setStretchLastSection(true);
    Hours->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Hours->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList headers;
    for (const char *column : kHourColumns)
        headers << ui::Tr(column);
    Hours->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < 5; ++column)
        Hours->setColumnWidth(column, kHourColumnWidths[column]);
    for (int row = 0; row < 13; ++row)
        for (int column = 0; column < 6; ++column) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(column == 5 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            Hours->setItem(row, column, item);
        }
    HoursNote = ui::MakeLabel(HoursBox, QStringLiteral("HoursNote"),
                              ui::Tr(QStringLiteral("红字为黄道时辰（吉），黑字为黑道时辰（凶）；绿底为当前时辰。"
                                                    "晚子（23:00–23:59）取次日子时的干支与值神。")),
                              QRect(8, 334, 352, 50), Qt::AlignLeft | Qt::AlignTop);
    HoursNote->setWordWrap(true);
}

void TFormDayPage::ShowDay(CalendarDate date)
{
    if (!std::isfinite(date))
        date = Today();
    date = std::clamp(std::floor(date), kFirstTableDate, kLastTableDate);
    const DayPageRules &rules = BuiltInDayPageRules();
    const DayPage page = DayPageOf(date, rules);
    shownDate_ = date;

    const std::vector<std::string> lines = DayDetailLines(page.details);
    DateLine->setText(ui::FromUtf8(lines.front()));
    QStringList details;
    for (std::size_t i = 1; i < lines.size(); ++i)
        details << ui::FromUtf8(lines[i]);
    DetailLines->setText(details.join(QLatin1Char('\n')));

    ShowSpirits(page, rules);

    const AlmanacEntry &almanac = page.details.almanac;
    Lists->setPlainText(ui::Tr("吉神宜趋:") + ui::FromUtf8(LocalizedWords(almanac.jsyq)) + ui::Tr("\n\n宜:") +
                        ui::FromUtf8(LocalizedWords(almanac.yi)) + ui::Tr("\n\n凶神宜忌:") +
                        ui::FromUtf8(LocalizedWords(almanac.xsyq)) + ui::Tr("\n\n忌:") +
                        ui::FromUtf8(LocalizedWords(almanac.ji)));

    highlightedRow_ = CurrentHourRow();
    ShowHours(page, rules);
    PreviousDay->setEnabled(date > kFirstTableDate);
    NextDay->setEnabled(date < kLastTableDate);
}

void TFormDayPage::ShowSpirits(const DayPage &page, const DayPageRules &rules)
{
    spiritValues_[0]->setText(ui::Tr(rules.GodName(page.god).c_str()) +
                              ui::Tr(page.yellowPath ? "（黄道日）" : "（黑道日）"));
    spiritValues_[1]->setText(ui::Tr(rules.MansionName(page.mansion).c_str()) + ui::Tr("宿（") +
                              ui::Tr(rules.MansionLuck(page.mansion).c_str()) + ui::Tr("）"));
    for (int i = 0; i < 5; ++i)
        spiritValues_[i + 2]->setText(ui::Tr(page.directions[i].c_str()));
}

// 黄道 hours red, 黑道 black, the current hour of today's page on green.
void TFormDayPage::ShowHours(const DayPage &page, const DayPageRules &rules)
{
    for (int row = 0; row < 13; ++row) {
        const HourRow &hour = page.hours[row];
        const QString texts[6] = {
            ui::Tr(hour.name.c_str()),
            ui::FromUtf8(HourSpanText(hour)),
            ui::FromUtf8(CycleName(hour.cycle)),
            ui::Tr(rules.GodName(hour.god).c_str()),
            hour.yellowPath ? ui::Tr(QStringLiteral("吉")) : ui::Tr(QStringLiteral("凶")),
            ui::FromUtf8(hour.clash),
        };
        QFont font = Hours->font();
        font.setBold(row == highlightedRow_);
        for (int column = 0; column < 6; ++column) {
            QTableWidgetItem *item = Hours->item(row, column);
            item->setText(texts[column]);
            item->setForeground(hour.yellowPath ? kYellowPathColour : kBlackPathColour);
            item->setBackground(row == highlightedRow_ ? QBrush(kCurrentHourColour) : QBrush());
            item->setFont(font);
        }
    }
}

// The row of the current hour when the page shows today, else -1.
int TFormDayPage::CurrentHourRow() const
{
    const QDateTime current = now();
    const QDate today = current.date();
    return EncodeDate(today.year(), today.month(), today.day()) == shownDate_ ? HourRowOf(current.time().hour()) : -1;
}

// A page left open past the hour moves its highlight when the user comes back to it.
void TFormDayPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || shownDate_ == 0)
        return;
    if (CurrentHourRow() != highlightedRow_)
        ui::Guarded([&] { ShowDay(shownDate_); });
}

void TFormDayPage::PreviousDayClick()
{
    if (shownDate_ > kFirstTableDate)
        ShowDay(shownDate_ - 1);
}

void TFormDayPage::NextDayClick()
{
    if (shownDate_ < kLastTableDate)
        ShowDay(shownDate_ + 1);
}

// Page Up and Page Down step the days from whichever control has the focus.
bool TFormDayPage::StepKey(const QKeyEvent *key)
{
    if (key->modifiers() != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_PageUp)
        PreviousDayClick();
    else if (key->key() == Qt::Key_PageDown)
        NextDayClick();
    else
        return false;
    return true;
}

bool TFormDayPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && StepKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TFormDayPage::keyPressEvent(QKeyEvent *event)
{
    if (!StepKey(event))
        QWidget::keyPressEvent(event);
}

TFormDayPage *OpenDayPage(QWidget *parent, CalendarDate date)
{
    auto *window = new TFormDayPage(parent);
    window->ShowDay(date);
    window->show();
    return window;
}

}  // namespace orlenvo::calendar
