#include "app/windows/MenuBar.h"

#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace orlenvo::app {

namespace {

// The menus' look. The bar itself draws the same look in BarLook below: a style sheet on the
// bar would cost the first window about a millisecond of its start.
const char kMenuStyle[] = R"(
QMenu {
    background: #FCFCF9; border: 1px solid #002D96;
    font-family: "宋体"; font-size: 12px;
}
QMenu::item { padding: 4px 24px 4px 30px; border: 1px solid transparent; }
QMenu::item:selected { background: #FFEEC2; border: 1px solid #000080; color: #000000; }
QMenu::icon { padding-left: 6px; }
QMenu::separator { height: 1px; background: #6A8CCB; margin: 2px 4px 2px 30px; }
QMenu::right-arrow { width: 8px; height: 8px; }
)";

// The bar's rows: the bar picture tiled from the top left, no frame, each title padded 7 pixels
// left and right and 3 above and below; a highlighted title on a light gradient and an open
// one on a blue gradient, both framed in navy.
class BarLook final : public QProxyStyle {
public:
    static constexpr int kPadX = 7;
    static constexpr int kPadY = 3;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_MenuBarPanelWidth)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type == CT_MenuBarItem)
            return size + QSize(2 * kPadX, 2 * kPadY);
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_Widget && qobject_cast<const QMenuBar *>(widget)) {
            if (picture_.isNull())
                picture_ = QPixmap(QStringLiteral(":/pictures/menubar.svg"));
            painter->drawTiledPixmap(option->rect, picture_);
            return;
        }
        if (element == PE_PanelMenuBar)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuBarEmptyArea)
            return;  // the picture, drawn as the bar's background
        const auto *title = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element != CE_MenuBarItem || !title) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        if (title->state & (State_Sunken | State_Selected)) {
            QLinearGradient face(0, 0, 0, 1);
            face.setCoordinateMode(QGradient::ObjectBoundingMode);
            const bool open = title->state & State_Sunken;
            face.setColorAt(0, open ? QColor(0xE3, 0xEF, 0xFF) : QColor(0xFF, 0xF4, 0xCC));
            face.setColorAt(1, open ? QColor(0x9E, 0xBE, 0xF5) : QColor(0xFF, 0xD5, 0x8C));
            const QRect r = title->rect;
            painter->fillRect(r, face);
            const QColor frame(0x00, 0x00, 0x80);
            painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), frame);
            painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), frame);
            painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), frame);
            painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), frame);
        }
        QStyleOptionMenuItem text(*title);
        text.rect = title->rect.adjusted(kPadX, kPadY, -kPadX, -kPadY);
        text.palette.setColor(QPalette::ButtonText, Qt::black);
        QCommonStyle::drawControl(element, &text, painter, widget);
    }

private:
    mutable QPixmap picture_;
};

// One look for every row of every bar, for the program's life.
QStyle *BarStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new BarLook;
        style->setParent(qApp);
    }
    return style;
}

// Icons: a coloured disc with one character, drawn here so the sources stay readable.
struct IconSpec {
    const char *caption;
    const char *glyph;
    QRgb colour;
};

// clang-format off
const IconSpec kIcons[] = {
    {"解梦全书",   "梦", 0xFF5B4B9Bu},
    {"打喷嚏占卜", "嚏", 0xFFB5532Bu},
    {"面热测占卜", "面", 0xFFC0392Bu},
    {"心惊测占卜", "心", 0xFFAD1457u},
    {"犬吠测占卜", "犬", 0xFF6D4C41u},
    {"眼跳测占卜", "眼", 0xFF00796Bu},
    {"耳热测占卜", "耳", 0xFFD35400u},
    {"耳鸣测占卜", "鸣", 0xFF2E7D32u},
    {"QQ号码分析", "Q",  0xFF1565C0u},
    {"网名分析",   "名", 0xFF00838Fu},
    {"生男生女",   "孕", 0xFFD81B60u},
    {"万年历法",   "历", 0xFFB71C1Cu},
    {"关于系统",   "i",  0xFF1F4E96u},
};
// clang-format on

QPixmap GlyphPixmap(const QString &glyph, QColor colour, int size)
{
    QPixmap pm = ui::Canvas(QSize(size, size));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(size * 0.35, size * 0.3, size * 0.8);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.setPen(QPen(colour.darker(140), size / 16.0));
    p.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(static_cast<int>(size * 0.62));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, glyph);
    return pm;
}

}  // namespace

QIcon CommandIcon(const QString &caption)
{
    for (const IconSpec &entry : kIcons) {
        if (caption == QString::fromUtf8(entry.caption)) {
            QIcon icon;
            for (int size : {16, 24, 32})
                icon.addPixmap(GlyphPixmap(ui::Tr(entry.glyph), QColor::fromRgba(entry.colour), size));
            return icon;
        }
    }
    return {};
}

WrappingMenuBar::WrappingMenuBar(std::function<void(const CommandAction &)> chosen, QWidget *parent)
    : QWidget(parent), layout_(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("dxBarManager1"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    // The bar's menus and their titles now; the commands of each when it is first opened, or
    // asked for: the window shows sooner, and most menus are never opened.
    const auto rows = CommandTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].depth != 0)
            continue;
        // A menu of the bar gets no parent widget: showing the main window polishes every
        // child widget, and polishing a menu lays out all of its commands, which loads the
        // glyphs of all their captions. Without a parent a menu is laid out when first opened.
        const QString caption = QString::fromUtf8(rows[i].caption);
        auto *menu = new QMenu(ui::Tr(caption));
        menu->setObjectName(caption);
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end].depth > 0)
            ++end;
        menus_.push_back(menu);
        unfilled_.push_back({i + 1, end});
        connect(menu, &QMenu::aboutToShow, this, [this, index = menus_.size() - 1] { Fill(index); });
    }
    chosen_ = std::move(chosen);

    // Width of each title in a bar with the spacing that follows it, measured once in a first row
    // of every menu, which stays when they all fit.
    QMenuBar *first = AddRow(menus_);
    const int spacing = first->style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, first);
    for (QMenu *menu : menus_)
        titleWidths_.push_back(first->actionGeometry(menu->menuAction()).width() + spacing);
    for (QMenu *menu : menus_)
        menu->installEventFilter(this);
    Relayout(800);
}

void WrappingMenuBar::Fill(std::size_t index)
{
    if (unfilled_[index].first == 0)
        return;  // made already
    const auto [begin, end] = std::exchange(unfilled_[index], {0, 0});
    // Depth-first rows: keep the menu that holds the next row of each depth.
    const auto rows = CommandTable();
    menus_[index]->setStyleSheet(QString::fromUtf8(kMenuStyle));
    std::vector<QMenu *> open{menus_[index]};
    for (std::size_t i = begin; i < end; ++i) {
        const CommandRow &row = rows[i];
        const QString caption = QString::fromUtf8(row.caption);
        open.resize(row.depth);
        QMenu *owner = open.back();
        if (row.separatorBefore)
            owner->addSeparator();
        if (row.kind == ActionKind::Submenu) {
            auto *menu = new QMenu(ui::Tr(caption), owner);
            menu->setObjectName(caption);
            owner->addMenu(menu);
            open.push_back(menu);
            continue;
        }
        QAction *action = owner->addAction(ui::Tr(caption));
        action->setObjectName(caption);
        action->setIcon(CommandIcon(caption));
        action->setIconVisibleInMenu(true);
        const CommandAction what = ActionOf(row);
        connect(action, &QAction::triggered, this, ui::Guard([chosen = chosen_, what] { chosen(what); }));
    }
}

const std::vector<QMenu *> &WrappingMenuBar::Menus()
{
    for (std::size_t i = 0; i < menus_.size(); ++i)
        Fill(i);
    return menus_;
}

WrappingMenuBar::~WrappingMenuBar()
{
    for (QMenu *menu : menus_)
        delete menu;
}

QMenuBar *WrappingMenuBar::RowOf(const QMenu *menu) const
{
    for (QMenuBar *bar : rows_)
        if (bar->actions().contains(menu->menuAction()))
            return bar;
    return nullptr;
}

bool WrappingMenuBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return QWidget::eventFilter(watched, event);

    // An open menu of the bar, or a bar whose title is highlighted from the keyboard.
    QMenu *from = qobject_cast<QMenu *>(watched);
    auto *bar = qobject_cast<QMenuBar *>(watched);
    if (from) {
        // Right on a command with a submenu opens the submenu.
        if (key == Qt::Key_Right && from->activeAction() && from->activeAction()->menu())
            return false;
        bar = RowOf(from);
    } else if (bar && bar->activeAction()) {
        from = bar->activeAction()->menu();
    }
    const auto at = std::find(menus_.begin(), menus_.end(), from);
    if (!bar || at == menus_.end() || rows_.size() < 2)
        return QWidget::eventFilter(watched, event);
    const auto count = static_cast<std::ptrdiff_t>(menus_.size());
    const std::ptrdiff_t index = at - menus_.begin();
    QMenu *to = menus_[static_cast<std::size_t>((index + (key == Qt::Key_Right ? 1 : count - 1)) % count)];
    QMenuBar *target = RowOf(to);
    if (!target || target == bar)
        return QWidget::eventFilter(watched, event);  // within a row the bar moves itself

    const bool open = from->isVisible();
    from->hide();
    bar->setActiveAction(nullptr);
    QTimer::singleShot(0, target, [target, to, open] {
        target->setFocus(Qt::ShortcutFocusReason);
        target->setActiveAction(to->menuAction());
        if (!open)
            to->hide();
    });
    return true;
}

void WrappingMenuBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Relayout(event->size().width());
}

void WrappingMenuBar::Relayout(int width)
{
    // Which menus go on which row.
    std::vector<std::vector<QMenu *>> plan(1);
    int used = 0;
    for (std::size_t i = 0; i < menus_.size(); ++i) {
        const int w = titleWidths_[i] + 2;
        if (used > 0 && used + w > width) {
            plan.emplace_back();
            used = 0;
        }
        plan.back().push_back(menus_[i]);
        used += w;
    }
    bool same = plan.size() == rows_.size();
    for (std::size_t r = 0; same && r < plan.size(); ++r) {
        const auto actions = rows_[r]->actions();
        same = actions.size() == static_cast<qsizetype>(plan[r].size());
        for (std::size_t k = 0; same && k < plan[r].size(); ++k)
            same = actions[static_cast<qsizetype>(k)] == plan[r][k]->menuAction();
    }
    if (same)
        return;

    for (QMenuBar *bar : rows_) {
        bar->clear();
        bar->deleteLater();
    }
    rows_.clear();
    for (const auto &menus : plan)
        AddRow(menus);
}

QMenuBar *WrappingMenuBar::AddRow(const std::vector<QMenu *> &menus)
{
    auto *bar = new QMenuBar(this);
    bar->setStyle(BarStyle());
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setNativeMenuBar(false);
    bar->installEventFilter(this);
    bar->setFixedHeight(kRowHeight);
    for (QMenu *menu : menus)
        bar->addMenu(menu);
    layout_->addWidget(bar);
    rows_.push_back(bar);
    setFixedHeight(kRowHeight * static_cast<int>(rows_.size()));
    return bar;
}

}  // namespace orlenvo::app
