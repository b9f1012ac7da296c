#include "app/windows/Unt_Main.h"

#include "app/windows/EndMsg.h"
#include "app/windows/MenuBar.h"
#include "banner/windows/Banner.h"
#include "banner/windows/BannerView.h"
#include "ui/Application.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace orlenvo::app {

namespace {

constexpr int kBannerHeight = 81;
constexpr int kSideWidth = 176;
constexpr int kBottomHeight = 30;
constexpr int kStatusHeight = 20;

// A panel that paints an optional diagonal gradient and a picture stretched over itself. With
// `fixedTop`, that many pixels of the picture's top keep their size and only the rest stretches.
// The picture is read when the panel is first painted, after the window has shown.
class PicturePanel final : public QWidget {
public:
    PicturePanel(const QString &picture, bool gradient, QWidget *parent = nullptr, int fixedTop = 0)
        : QWidget(parent), picture_(picture), gradient_(gradient), fixedTop_(fixedTop)
    {
        setAttribute(Qt::WA_OpaquePaintEvent, gradient);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (gradient_) {
            QLinearGradient g(rect().topLeft(), rect().bottomRight());
            g.setColorAt(0, QColor(205, 236, 251));
            g.setColorAt(1, QColor(205, 231, 254));
            p.fillRect(rect(), g);
        }
        if (!renderer_.isValid())
            renderer_.load(picture_);
        renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
        if (fixedTop_ <= 0) {
            renderer_.render(&p, QRectF(rect()));
            return;
        }
        if (cache_.isNull()) {
            // The picture at its own size, once; its top is copied and the rest stretched.
            cache_ = QPixmap(renderer_.defaultSize());
            cache_.fill(Qt::transparent);
            QPainter c(&cache_);
            renderer_.render(&c);
        }
        const int top = std::min(fixedTop_, cache_.height());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QRect(0, 0, width(), top), cache_, QRect(0, 0, cache_.width(), top));
        p.drawPixmap(QRect(0, top, width(), std::max(0, height() - top)), cache_,
                     QRect(0, top, cache_.width(), cache_.height() - top));
    }

private:
    QString picture_;
    QSvgRenderer renderer_;
    bool gradient_;
    int fixedTop_;
    QPixmap cache_;
};

// The side picture's header and bullets, which the link labels stand on, keep their size.
constexpr int kSideFixedTop = 214;

// The colour of a label's text in every state of the window.
void SetTextColour(QWidget *label, const QColor &colour)
{
    QPalette palette = label->palette();
    QColor placeholder = colour;
    placeholder.setAlpha((colour.alpha() + 1) / 2);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
            palette.setColor(group, role, colour);
        palette.setColor(group, QPalette::PlaceholderText, placeholder);
    }
    label->setPalette(palette);
}

// A side link's text: blue, red while the mouse is over it.
class SideLinkColour final : public QObject {
public:
    explicit SideLinkColour(QLabel *label) : QObject(label)
    {
        SetTextColour(label, kNormal);
        label->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave)
            SetTextColour(static_cast<QWidget *>(watched), event->type() == QEvent::Enter ? kHover : kNormal);
        return false;
    }

private:
    static inline const QColor kNormal{0x1F, 0x4E, 0x96};
    static inline const QColor kHover{0xC0, 0x39, 0x2B};
};

// The status bar's look: a light blue gradient from top to bottom, no frames around its fields.
class StatusBarLook final : public QProxyStyle {
public:
    static QBrush Face()
    {
        QLinearGradient face(0, 0, 0, 1);
        face.setCoordinateMode(QGradient::ObjectBoundingMode);
        face.setColorAt(0, QColor(0xE3, 0xEF, 0xFF));
        face.setColorAt(1, QColor(0xB9, 0xD1, 0xF4));
        return QBrush(face);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelStatusBar)
            painter->fillRect(option->rect, Face());
        else if (element != PE_FrameStatusBarItem)
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

// A status bar field: 6 pixels of padding left and right, and the room of a label with a frame:
// an "x" wider than its text, which starts half an "x" in.
void StatusField(QLabel *label, const QColor &colour)
{
    SetTextColour(label, colour);
    const int x = label->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    label->setIndent(x / 2);
    label->setContentsMargins(6, 0, 6 + x - x / 2, 0);
}

// A label drawn as a link that runs an action when pressed (mouse, Enter, Space, screen reader).
QLabel *LinkLabel(const QString &text, std::function<void()> pressed, QWidget *parent)
{
    auto *label = new ui::PressableLabel(ui::PressableLabel::Kind::Link, parent);
    label->setText(text);
    QObject::connect(label, &ui::PressableLabel::clicked, parent, ui::Guard(std::move(pressed)));
    return label;
}

QPushButton *BottomButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFixedSize(84, 22);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QString OtherProductName()
{
    for (const CommandRow &row : CommandTable())
        if (row.kind == ActionKind::ProductPage)
            return ui::Tr(row.caption);
    return {};
}

}  // namespace

TFrmmain::TFrmmain(Dispatcher &dispatcher, ServiceEnvironment services, QWidget *parent)
    : QMainWindow(parent), dispatcher_(&dispatcher), services_(std::move(services))
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));

    dxBarManager1 = new WrappingMenuBar([this](const CommandAction &a) { dispatcher_->Run(a); }, this);
    setMenuWidget(dxBarManager1);
    BuildCentralArea();
    BuildStatusBar();

    ui::SetUpWindow(this, {QStringLiteral("Frmmain"), ui::ApplicationTitle(), QSize(800, 600)});
    FormCreate();
    ui::SetUpKeyboard(this, nullptr, false);  // Escape leaves the main window open
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::BuildCentralArea()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("CentralArea"));
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    bannerStrip_ = new PicturePanel(ui::ScriptPicture(QStringLiteral(":/pictures/banner.svg")), false, central);
    bannerStrip_->setObjectName(QStringLiteral("BannerStrip"));
    bannerStrip_->setFixedHeight(kBannerHeight);
    column->addWidget(bannerStrip_);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    column->addLayout(body, 1);

    sidePanel_ =
        new PicturePanel(ui::ScriptPicture(QStringLiteral(":/pictures/side.svg")), false, central, kSideFixedTop);
    sidePanel_->setObjectName(QStringLiteral("SidePanel"));
    sidePanel_->setFixedWidth(kSideWidth);
    body->addWidget(sidePanel_);

    auto *links = new QVBoxLayout(sidePanel_);
    links->setContentsMargins(26, 52, 10, 10);
    links->setSpacing(9);
    struct SideLink {
        QString text;
        ActionKind kind;
    };
    const SideLink sideLinks[] = {
        {OtherProductName(), ActionKind::ProductPage},
        {ui::Tr(QStringLiteral("公司主页")), ActionKind::HomePage},
        {ui::Tr(QStringLiteral("在线咨询")), ActionKind::ChatLink},
        {ui::Tr(QStringLiteral("发送邮件")), ActionKind::MailLink},
        {ui::Tr(QStringLiteral("客户服务")), ActionKind::CustomerService},
        {ui::Tr(QStringLiteral("软件升级")), ActionKind::UpgradeNote},
    };
    int n = 0;
    for (const SideLink &link : sideLinks) {
        const ActionKind kind = link.kind;
        QLabel *label = LinkLabel(
            link.text, [this, kind] { dispatcher_->Run(CommandAction{kind}); }, sidePanel_);
        label->setObjectName(QStringLiteral("SideLink%1").arg(++n));
        label->setFixedHeight(16);
        new SideLinkColour(label);
        links->addWidget(label);
    }
    links->addStretch(1);

    auto *workColumn = new QVBoxLayout;
    workColumn->setContentsMargins(0, 0, 0, 0);
    workColumn->setSpacing(0);
    body->addLayout(workColumn, 1);

    workArea_ = new PicturePanel(ui::ScriptPicture(QStringLiteral(":/pictures/work.svg")), true, central);
    workArea_->setObjectName(QStringLiteral("WorkArea"));
    workColumn->addWidget(workArea_, 1);

    Memo1 = new QPlainTextEdit(workArea_);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(0, 0, 800, 89);
    Memo1->setVisible(false);

    bottomBar_ = new PicturePanel(QStringLiteral(":/pictures/bottombar.svg"), true, central);
    bottomBar_->setObjectName(QStringLiteral("BottomBar"));
    bottomBar_->setFixedHeight(kBottomHeight);
    workColumn->addWidget(bottomBar_);

    auto *buttons = new QHBoxLayout(bottomBar_);
    buttons->setContentsMargins(12, 4, 12, 4);
    buttons->setSpacing(10);
    buttons->addStretch(1);
    RzButton3 = BottomButton(ui::Tr(QStringLiteral("关于系统")), QStringLiteral("RzButton3"), bottomBar_);
    RzBitBtn3 = BottomButton(ui::Tr(QStringLiteral("QQ服务")), QStringLiteral("RzBitBtn3"), bottomBar_);
    RzBitBtn5 = BottomButton(ui::Tr(QStringLiteral("客户服务")), QStringLiteral("RzBitBtn5"), bottomBar_);
    RzBitBtn4 = BottomButton(ui::Tr(QStringLiteral("退出")), QStringLiteral("RzBitBtn4"), bottomBar_);
    for (QPushButton *b : {RzButton3, RzBitBtn3, RzBitBtn5, RzBitBtn4})
        buttons->addWidget(b);
    bottomBar_->setStyleSheet(QStringLiteral(
        "QPushButton { font-family: \"宋体\"; font-size: 12px; color: #10325F; border: 1px solid #7B9EBD;"
        " border-radius: 3px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #D6E6F7); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFF4CC, stop:1 #FFD58C);"
        " border-color: #000080; }"
        "QPushButton:pressed { background: #FFC36B; }"));

    connect(RzButton3, &QPushButton::clicked, this,
            ui::Guard([this] { dispatcher_->Run(CommandAction{ActionKind::About}); }));
    connect(RzBitBtn3, &QPushButton::clicked, this,
            ui::Guard([this] { dispatcher_->Run(CommandAction{ActionKind::ChatLink}); }));
    connect(RzBitBtn5, &QPushButton::clicked, this,
            ui::Guard([this] { dispatcher_->Run(CommandAction{ActionKind::CustomerService}); }));
    connect(RzBitBtn4, &QPushButton::clicked, this, ui::Guard(this, &TFrmmain::RzBitBtn4Click));

    setCentralWidget(central);
}

void TFrmmain::BuildStatusBar()
{
    static QPointer<QStyle> look;
    if (!look) {
        look = new StatusBarLook;
        look->setParent(qApp);
    }
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("RzStatusBar1"));
    bar->setFixedHeight(kStatusHeight);
    bar->setStyle(look);
    QPalette palette = bar->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
            palette.setBrush(group, role, StatusBarLook::Face());
    }
    bar->setPalette(palette);
    bar->setSizeGripEnabled(true);

    const QColor ink(0x10, 0x32, 0x5F);
    auto *greeting = new QLabel(ui::Tr(QStringLiteral("欢迎使用 Orlenvo 风水百科，祝您万事如意、吉祥安康！")), bar);
    greeting->setObjectName(QStringLiteral("StatusGreeting"));
    StatusField(greeting, ink);
    auto *field = new QLabel(ui::Tr(QStringLiteral("其他产品:")), bar);
    field->setObjectName(QStringLiteral("StatusField"));
    StatusField(field, ink);
    QLabel *product = LinkLabel(
        OtherProductName(), [this] { dispatcher_->Run(CommandAction{ActionKind::ProductPage}); }, bar);
    product->setObjectName(QStringLiteral("StatusProduct"));
    QFont underlined = product->font();
    underlined.setUnderline(true);
    product->setFont(underlined);
    StatusField(product, QColor(0x1F, 0x4E, 0x96));
    bar->addWidget(greeting, 1);
    bar->addPermanentWidget(field);
    bar->addPermanentWidget(product);
}

void TFrmmain::FormCreate()
{
    // Banner start-up: the banner documents are fetched before the window first shows.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    auto *EmbeddedWB2 = new banner::BannerBrowser(
        bannerStrip_, services_.bannerEngine ? *services_.bannerEngine : banner::BannerEngineSource::Program());
    banner_ = new banner::Banner(bannerStrip_, Memo1, Timer1, services_.maker.server, EmbeddedWB2, this);
}

void TFrmmain::RzBitBtn4Click()
{
    if (!ConfirmExit(services_, this))
        return;
    dispatcher_->Run(CommandAction{ActionKind::EndProgram});
    OpenWebSite(services_);
}

void TFrmmain::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program at once, without a prompt.
    event->accept();
    ui::Guarded([this] { dispatcher_->Run(CommandAction{ActionKind::EndProgram}); });
}

}  // namespace orlenvo::app
