#include "articles/windows/UntOnther.h"

#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <vector>

namespace orlenvo::articles {

namespace {

// The window's outer size is 388 x 283; its client is that less a classic frame
// (3-pixel borders, 19-pixel caption).
constexpr int kClientWidth = 382;
constexpr int kClientHeight = 258;

// clang-format off
const std::array<std::vector<const char *>, TFormOnther::kPages> kPageLines = {{
    // page 0
    {
        "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
        "凌晨3 点-凌晨5点 有人前来相约食饭。",
        "早上5 点-早上7点 有财运到来或有人找你询问事情。",
        "早上 7点-早上9点 有人请食饭、大喜之事将发生。",
        "早上9点-中午11点 有朋友将前来求财。",
        "中午11点-下午1点 有贵客到来，你会为远方来宾举行宴会。",
        "下午 1点-下午3点 有人请食饭，吉利之事将会降临你身。",
        "下午 3点-下午5点 小心饮食。",
        "下午 5点-晚上7点 有异性前来相求、询问事情。",
        "晚上 7点-晚上9点 你会思念一位异性、希望和好如初。",
        "晚上9点-晚上11点 有惊无险，虚惊一场。",
        "晚上11点-凌晨1点 有人欢朋宴客。",
    },
    // page 1
    {
        "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
        "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。",
        "寅时：主有远客，来聚会吉。  申时：主有贵人，会道想见。",
        "卯时：主有饮食，及友人来。  酉时：主有远人，相会大吉。",
        "辰时：主有远客，喜事相逢。  戌时：主有酒食，自送来事。",
        "巳时：主有要事，人相大吉。  亥时：主有官非，口舌之事。",
    },
    // page 2
    {
        "子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。",
        "丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。",
        "寅时：主有远客，饮食大吉。 申时：主有贵人，会道想见。",
        "卯时：主有饮食，及友人来。 酉时：主有大喜，之信至吉。",
        "辰时：主有成客，喜事大吉。 戌时：主有贵人，即至大吉。",
        "巳时：主有女思，及喜事至。 亥时：主有丧服，及恶梦凶。",
    },
    // page 3
    {
        "子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。",
        "丑时；主心中有，忧疑之事。 未时：主妻外心，有破财喜。",
        "寅时：主失得财，帛大吉利。 申时：主家宅内，小口事凶。",
        "卯时：主失雄心，得财利来。 酉时：主加官禄，有得财吉。",
        "辰时：主有财喜，大事通吉。 戌时：主有口舌，招灾事凶。",
        "巳时：主亲人来，及有信至。 亥时：主有官司，词讼随后。",
    },
    // page 4
    {
        "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
        "丑时：左有忧人，右有人恩。未时：左主吉昌，右有中喜。",
        "寅时：左远人来，右若事至。申时：左有损财，右有女思。",
        "卯时：左贵客来，右平安进。酉时：左有客来，右远客至。",
        "辰时：左远客来，右主损害。戌时：左有客至，右主聚会。",
        "巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。",
    },
    // page 5
    {
        "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。",
        "丑时：主有喜事，临身夺吉。未时：主有客至，相求之事。",
        "寅时：主有饮食，相会大吉。申时：主有喜享，酒食宴乐。",
        "卯时：主有远人，来相见吉。酉时：主有人来，言婚姻事。",
        "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。",
        "已时：主有财物，之事不利。亥时：主有官非，词讼之事。",
    },
    // page 6
    {
        "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。",
        "寅时：左主失财，右主心急。未时：左主饮食，右主人来。",
        "卯时：左主饮食，右主室至。申时：左主行人，右主喜事。",
        "辰时：左主远行，右主室至。酉时：左主失财，右主大吉。",
        "巳时：左主凶事，右主大吉。戌时：左主饮食，右主客至。",
        "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。",
    },
}};

const char *const kNote =
    "说明：\r\n"
    "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\r\n"
    "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\r\n"
    "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点\r\n";
// clang-format on

}  // namespace

QStringList OmenPageLines(int page)
{
    QStringList lines;
    if (page < 0 || page >= TFormOnther::kPages)
        return lines;
    for (const char *line : kPageLines[static_cast<std::size_t>(page)])
        lines.append(ui::Tr(line));
    return lines;
}

QString OmenNoteText()
{
    return ui::Tr(kNote);
}

TFormOnther::TFormOnther(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui::CloseBoxOnly(this, Qt::Window);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(this, {QStringLiteral("FormOnther"), QString(), QSize(kClientWidth, kClientHeight)});

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setStyleSheet(QStringLiteral("#RzPanel1 { border: 2px groove rgb(160, 178, 190);"
                                        " background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,"
                                        " stop: 0 rgb(205, 236, 251), stop: 1 rgb(213, 236, 230)); }"));
    outer->addWidget(panel);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(5, 5, 5, 3);
    column->setSpacing(4);

    RzPageControl1 = new QTabWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    ui::SetSpokenName(RzPageControl1, ui::Tr(QStringLiteral("占卜页面")));
    RzPageControl1->tabBar()->hide();
    RzPageControl1->setDocumentMode(true);
    for (int page = 0; page < kPages; ++page) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
        auto *memo = new QPlainTextEdit(sheet);
        memo->setObjectName(QStringLiteral("RzMemo%1").arg(page + 1));
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Light));
        memo->setPalette(palette);
        memo->setPlainText(OmenPageLines(page).join(QStringLiteral("\n\n")));
        ui::SetSpokenName(memo, ui::Tr(QStringLiteral("占卜内容")));
        auto *fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(memo);
        RzPageControl1->addTab(sheet, QString::number(page));
    }
    column->addWidget(RzPageControl1, 1);

    RzLabel1 = new QLabel(panel);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);
    RzLabel1->setAutoFillBackground(false);
    QPalette labelPalette = RzLabel1->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    RzLabel1->setPalette(labelPalette);
    QString note = OmenNoteText();
    note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RzLabel1->setText(note.trimmed());
    column->addWidget(RzLabel1);
    ui::SetUpKeyboard(this);
}

void TFormOnther::setActivePage(int page)
{
    if (page >= 0 && page < kPages)
        RzPageControl1->setCurrentIndex(page);
}

int TFormOnther::activePage() const
{
    return RzPageControl1->currentIndex();
}

void OpenOmenWindow(const QString &title, int page, QWidget *parent)
{
    auto *window = new TFormOnther(parent);
    window->setWindowTitle(ui::Tr(title));
    window->setActivePage(page);
    window->show();
}

}  // namespace orlenvo::articles
