#include "articles/windows/Untabt.h"

#include "core/Script.h"
#include "data/KnowledgeDb.h"

#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orlenvo::articles {

namespace {

// The window's outer size is 594 x 480; its client is that less a classic frame
// (3-pixel borders, 19-pixel caption).
constexpr int kClientWidth = 588;
constexpr int kClientHeight = 455;
constexpr int kPageAreaHeight = 393;

struct ChartPage {
    const char *caption;
    const char *resource;
};

// clang-format off
const ChartPage kPages[] = {
    {"18到31岁",       ":/chart/chart-18-31.jpg"},
    {"32到44岁",       ":/chart/chart-32-44.jpg"},
    {"生男生女有秘诀", ":/chart/passage.jpg"},
};
// clang-format on

const char *const kNote = "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
                          "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。";

}  // namespace

QImage ChartPicture(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kPages)))
        return {};
    // The current script's picture (":/chart/zh_TW/..."), else the Simplified one.
    QString resource = QString::fromLatin1(kPages[index].resource);
    if (const std::string_view script = ScriptDatabaseFolder(CurrentScript()); !script.empty()) {
        const QString scripted = QString(resource).insert(
            int(sizeof(":/chart/")) - 1, QString::fromLatin1(script.data(), int(script.size())) + QLatin1Char('/'));
        if (QFile::exists(scripted))
            resource = scripted;
    }
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImage image;
    image.loadFromData(file.readAll(), "JPEG");
    return image;
}

TFrm_NanNv::TFrm_NanNv(QWidget *parent) : QDialog(parent)
{
    ui::CloseBoxOnly(this);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(
        this, {QStringLiteral("Frm_NanNv"), ui::Tr(QStringLiteral("生男生女")), QSize(kClientWidth, kClientHeight)});

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    panel->setPalette(palette);
    panel->setFrameShape(QFrame::Box);
    panel->setFrameShadow(QFrame::Sunken);
    outer->addWidget(panel);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(3, 3, 3, 3);
    column->setSpacing(6);

    RzPageControl1 = new QTabWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    ui::SetSpokenName(RzPageControl1, ui::Tr(QStringLiteral("生男生女表")));
    RzPageControl1->setFixedHeight(kPageAreaHeight);
    RzPageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { height: 19px; padding: 0px 8px; }"));
    int index = 0;
    for (const ChartPage &page : kPages) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
        auto *image = new QLabel(sheet);
        image->setObjectName(QStringLiteral("Image%1").arg(index + 1));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        image->setPixmap(ui::ScreenPixmap(ChartPicture(index)));
        auto *fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(image);
        RzPageControl1->addTab(sheet, QString::fromUtf8(page.caption));
        ++index;
    }
    column->addWidget(RzPageControl1);

    RzLabel1 = new QLabel(panel);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);
    RzLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RzLabel1->setText(ui::Tr(kNote));
    column->addWidget(RzLabel1, 1);
    ui::SetUpKeyboard(this);
}

void TFrm_NanNv::showEvent(QShowEvent *event)
{
    ui::Guarded([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TFrm_NanNv::FormShow()
{
    RzPageControl1->setCurrentIndex(0);
}

}  // namespace orlenvo::articles
