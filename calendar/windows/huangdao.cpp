// The almanac window.
#include "calendar/windows/huangdao.h"

#include "calendar/AlmanacDate.h"
#include "calendar/windows/DayPage.h"
#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "data/Catalogue.h"
#include "data/KnowledgeDb.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include <cstdio>

namespace orlenvo::calendar {

namespace {

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 572;

// clang-format off

// The glossary below the result, line by line; two explanations run on to a second line.
constexpr const char *kGlossary[] = {
    "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
    "祭祀 ：指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事 ",
    "安葬 ：举行埋葬等仪式 ",
    "出行 ：指外出旅行、观光游览 ",
    "祈福 ：祈求神明降福或设醮还愿之事 ",
    "动土 ：建筑时、第一次动起锄头挖土 ",
    "安床 ：指安置睡床卧铺之意 ",
    "开光 ：佛像塑成后、供奉上位之事 ",
    "纳采 ：缔结婚姻的仪式、受授聘金 ",
    "入殓 ：将尸体放入棺材之意 ",
    "移徙 ：指搬家迁移住所之意 ",
    "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。现",
    "今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ",
    "解除 ：指冲洗清扫宅舍、解除灾厄等事 ",
    "入宅 ：即迁入新宅、所谓“新居落成典礼”也 ",
    "修造 ：指阳宅之造与修理 ",
    "栽种 ：种植物“接果”“种田禾”同 ",
    "开市 ：“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。包括：(1)年头初开始营业或开工等",
    "事(2)新设店铺商行或新厂开幕等事 ",
    "移柩 ：行葬仪时、将棺木移出屋外之事 ",
    "订盟 ：订婚仪式的一种，俗称小聘(订) ",
    "拆卸 ：拆掉建筑物 ",
    "立卷 ：订立各种契约互相买卖之事 ",
    "交易 ：订立各种契约互相买卖之事 ",
    "求嗣 ：指向神明祈求后嗣(子孙)之意 ",
    "上梁 ：装上建筑物屋顶的梁，同架马 ",
    "纳财 ：购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等 ",
    "起基 ：建筑时、第一次动起锄头挖土 ",
    "斋醮 ：庙宇建醮前需举行的斋戒仪式 ",
    "赴任 ：走马上任 ",
    "冠笄 ：男女年满二十岁所举行的成年礼仪式 ",
    "安门 ：放置正门门框 ",
    "修坟 ：修理坟墓 ",
    "挂匾 ：指悬挂招牌或各种匾额",
};

// clang-format on

QComboBox *MakeList(QWidget *parent, const QString &name, int first, int last, int width, const QRect &geometry)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);  // typing never adds to the items
    for (int n = first; n <= last; ++n)
        list->addItem(QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')));
    list->setCurrentIndex(-1);
    list->clearEditText();
    list->setMaxVisibleItems(12);
    list->setGeometry(geometry);
    return list;
}

QPlainTextEdit *MakeMemo(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(geometry);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return memo;
}

std::string TrimmedText(const QComboBox *list)
{
    return Trim(ui::ToUtf8(list->currentText()));
}

}  // namespace

TFormHuangdao::TFormHuangdao(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(this, {QStringLiteral("FormHuangdao"), ui::Tr(QStringLiteral("黄道吉日")),
                           QSize(kClientWidth, kClientHeight), true});

    Label2 = ui::MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("选择黄历："), QRect(16, 14, 64, 22));
    SYear = MakeList(this, QStringLiteral("SYear"), 2008, 2019, 4, QRect(80, 14, 72, 22));
    Label3 = ui::MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("年"), QRect(156, 14, 16, 22));
    SMonth = MakeList(this, QStringLiteral("SMonth"), 1, 12, 2, QRect(174, 14, 52, 22));
    Label4 = ui::MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("月"), QRect(230, 14, 16, 22));
    Sday = MakeList(this, QStringLiteral("Sday"), 1, 31, 2, QRect(248, 14, 52, 22));
    Label5 = ui::MakeLabel(this, QStringLiteral("Label5"), QStringLiteral("日"), QRect(304, 14, 16, 22));
    RzBitBtn1 = ui::MakeButton(this, QStringLiteral("RzBitBtn1"), QStringLiteral("测算"), QRect(372, 12, 76, 26));
    RzBitBtn2 = ui::MakeButton(this, QStringLiteral("RzBitBtn2"), QStringLiteral("关闭"), QRect(460, 12, 76, 26));

    Label6 = ui::MakeLabel(this, QStringLiteral("Label6"), QStringLiteral("当日统览："), QRect(16, 50, 64, 20));
    Label1 = ui::MakeLabel(this, QStringLiteral("Label1"), QString(), QRect(80, 50, 468, 20));
    Label1->setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}, true));
    ui::SetTextColour(Label1, QColor(0xFF, 0x00, 0x00));

    GroupBox1 = new QGroupBox(ui::Tr(QStringLiteral("测算结果：")), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 78, 544, 270);
    Memo1 = MakeMemo(GroupBox1, QStringLiteral("Memo1"), QRect(8, 20, 528, 242));

    GroupBox2 = new QGroupBox(ui::Tr(QStringLiteral("黄历名词解释：")), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(8, 356, 544, 208);
    Memo2 = MakeMemo(GroupBox2, QStringLiteral("Memo2"), QRect(8, 20, 528, 180));
    Memo2->setReadOnly(true);
    QStringList glossary;
    for (const char *line : kGlossary)
        glossary << ui::Tr(line);
    Memo2->setPlainText(glossary.join(QLatin1Char('\n')));

    ui::SetSpokenName(SYear, ui::Tr(QStringLiteral("年")));
    ui::SetSpokenName(SMonth, ui::Tr(QStringLiteral("月")));
    ui::SetSpokenName(Sday, ui::Tr(QStringLiteral("日")));
    ui::SetSpokenName(Memo1, ui::Tr(QStringLiteral("测算结果")));
    ui::SetSpokenName(Memo2, ui::Tr(QStringLiteral("黄历名词解释")));
    ui::SetUpKeyboard(this, RzBitBtn1);

    for (QWidget *control : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Memo1)}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint &pos) { ShowDayMenu(control, pos); });
    }

    connect(RzBitBtn1, &QPushButton::clicked, this, ui::Guard(this, &TFormHuangdao::RzBitBtn1Click));
    connect(RzBitBtn2, &QPushButton::clicked, this, ui::Guard(this, &TFormHuangdao::RzBitBtn2Click));

    FormCreate();
}

void TFormHuangdao::FormCreate()
{
    ADOQuery1.SetConnectionString(ConnectionStringFor(kQorvFile));
}

void TFormHuangdao::RzBitBtn1Click()
{
    const std::string year = TrimmedText(SYear);
    const std::string month = TrimmedText(SMonth);
    const std::string day = TrimmedText(Sday);
    if (year.empty()) {
        ui::ShowInformation(QStringLiteral("请选择年!"));
        return;
    }
    if (month.empty()) {
        ui::ShowInformation(QStringLiteral("请选择月!"));
        return;
    }
    if (day.empty()) {
        ui::ShowInformation(QStringLiteral("请选择日!"));
        return;
    }
    // Only digits and the separator pass this check, so nothing else reaches the statement.
    const std::string dateText = year + "-" + month + "-" + day;
    TextDate date;
    if (!ReadShortDate(dateText, RegionalSettings().Read(LocaleItem::ShortDate), date)) {
        ui::ShowInformation(QStringLiteral("请选择有效的日期!"));
        return;
    }

    // The statement takes the date text with its year written in four digits, the form the
    // database reads as year-month-day ("08" is the 2008 the check understood).
    char fullYear[8];
    std::snprintf(fullYear, sizeof fullYear, "%04d", date.year);
    const std::string statementDate = fullYear + ("-" + month + "-" + day);

    ADOQuery1.Close();
    ADOQuery1.SetStatement(AlmanacStatement(statementDate));
    ADOQuery1.Open();  // a failure goes to the general error box
    if (ADOQuery1.IsEmpty())
        return;

    Label1->setText(ui::FromUtf8(dateText + "  " + Trim(ADOQuery1.FieldByName("nn"))));
    shownDate_ = EncodeDate(date.year, date.month, date.day);
    QStringList lines;
    for (const AlmanacColumn &column : AlmanacColumns()) {
        if (column.caption.empty())
            continue;
        if (!lines.isEmpty())
            lines << QString();
        lines << ui::Tr(QString::fromUtf8(column.caption.data(), qsizetype(column.caption.size()))) +
                     ui::FromUtf8(Trim(ADOQuery1.FieldByName(std::string(column.name))));
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFormHuangdao::ShowDay(int year, int month, int day)
{
    SYear->setEditText(QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')));
    SMonth->setEditText(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
    Sday->setEditText(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    RzBitBtn1Click();
}

void TFormHuangdao::ShowDayMenu(QWidget *control, const QPoint &pos)
{
    QMenu *menu = control == Memo1 ? Memo1->createStandardContextMenu() : new QMenu(control);
    menu->setObjectName(QStringLiteral("DayMenu"));
    if (!menu->isEmpty())
        menu->addSeparator();
    QAction *dayPage = menu->addAction(ui::Tr(QStringLiteral("当日黄历详情…")));
    // The day page covers 1901-2050; a day found outside it has none.
    dayPage->setEnabled(shownDate_ >= kFirstTableDate && shownDate_ <= kLastTableDate);
    connect(dayPage, &QAction::triggered, this, ui::Guard(this, &TFormHuangdao::OpenDayPageOfShownDay));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(control->mapToGlobal(pos));
}

void TFormHuangdao::OpenDayPageOfShownDay()
{
    OpenDayPage(parentWidget(), shownDate_);
}

void TFormHuangdao::RzBitBtn2Click()
{
    close();
}

TFormHuangdao *OpenAlmanacWindow(QWidget *parent)
{
    auto *window = new TFormHuangdao(parent);
    window->show();
    return window;
}

}  // namespace orlenvo::calendar
