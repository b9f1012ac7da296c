#include "app/windows/MenuBar.h"

#include "ui/Messages.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace orlenvo::app {

namespace {

const char kMenuStyle[] = R"(
QMenuBar {
    background-image: url(:/pictures/menubar.svg);
    border: none;
    font-family: "宋体"; font-size: 12px;
}
QMenuBar::item { padding: 3px 7px; background: transparent; color: #000000; }
QMenuBar::item:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFF4CC, stop:1 #FFD58C);
                          border: 1px solid #000080; padding: 2px 6px; }
QMenuBar::item:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #E3EFFF, stop:1 #9EBEF5);
                         border: 1px solid #000080; padding: 2px 6px; }
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
                icon.addPixmap(GlyphPixmap(QString::fromUtf8(entry.glyph), QColor::fromRgba(entry.colour), size));
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
    setStyleSheet(QString::fromUtf8(kMenuStyle));

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
        auto *menu = new QMenu(caption);
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
    menus_[index]->setStyleSheet(styleSheet());
    std::vector<QMenu *> open{menus_[index]};
    for (std::size_t i = begin; i < end; ++i) {
        const CommandRow &row = rows[i];
        const QString caption = QString::fromUtf8(row.caption);
        open.resize(row.depth);
        QMenu *owner = open.back();
        if (row.separatorBefore)
            owner->addSeparator();
        if (row.kind == ActionKind::Submenu) {
            auto *menu = new QMenu(caption, owner);
            menu->setObjectName(caption);
            owner->addMenu(menu);
            open.push_back(menu);
            continue;
        }
        QAction *action = owner->addAction(caption);
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
