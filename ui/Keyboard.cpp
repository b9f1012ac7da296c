#include "ui/Keyboard.h"

#include "ui/Messages.h"
#include "ui/UpDown.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

#include <functional>
#include <utility>
#include <vector>

namespace orlenvo::ui {

namespace {

bool IsEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool Unmodified(const QKeyEvent *key)
{
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Watches the window and each of its controls; key events that a control leaves alone come
// through its parents, so the first watched object that sees a key is the focused control.
class WindowKeys final : public QObject {
public:
    WindowKeys(QWidget *window, QAbstractButton *run, bool escapeCloses)
        : QObject(window), window_(window), run_(run), escapeCloses_(escapeCloses)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!Unmodified(key))
            return false;
        if (key->key() == Qt::Key_Escape && escapeCloses_) {
            Guarded([this] { window_->close(); });
            return true;
        }
        if (!IsEnter(key))
            return false;
        // Push and tool buttons only: Enter on a check box is the dialog's, not a toggle.
        if (qobject_cast<QPushButton *>(watched) || qobject_cast<QToolButton *>(watched)) {
            auto *button = static_cast<QAbstractButton *>(watched);
            if (button->isEnabled())
                button->click();
            return true;
        }
        if (run_ && (qobject_cast<QLineEdit *>(watched) || qobject_cast<QComboBox *>(watched))) {
            if (run_->isEnabled())
                run_->click();
            return true;
        }
        return false;
    }

private:
    QWidget *window_;
    QAbstractButton *run_;
    bool escapeCloses_;
};

class FocusMark final : public QWidget {
public:
    explicit FocusMark(QWidget *control) : QWidget(control), control_(control)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // As the style's own focus marks: once the keyboard has moved the focus in the window.
        if (event->type() == QEvent::FocusIn && ByKeyboard(static_cast<QFocusEvent *>(event))) {
            setGeometry(control_->rect());
            raise();
            show();
        } else if (event->type() == QEvent::FocusOut) {
            hide();
        } else if (event->type() == QEvent::Resize) {
            setGeometry(control_->rect());
        }
        return false;
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }

private:
    bool ByKeyboard(const QFocusEvent *event) const
    {
        const Qt::FocusReason reason = event->reason();
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason ||
               control_->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    }

    QWidget *control_;
};

// A control's interface with actions of its own ahead of the widget's (focus).
class ActingAccessible : public QAccessibleWidget {
public:
    using Actions = std::vector<std::pair<QString, std::function<void()>>>;
    ActingAccessible(QWidget *widget, QAccessible::Role role, Actions actions)
        : QAccessibleWidget(widget, role), actions_(std::move(actions))
    {}
    QStringList actionNames() const override
    {
        QStringList names;
        for (const auto &action : actions_)
            names << action.first;
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        for (const auto &[own, act] : actions_) {
            if (own == name) {
                Guarded(act);
                return;
            }
        }
        QAccessibleWidget::doAction(name);
    }

private:
    Actions actions_;
};

// The spinner: a spin box with its position as value, stepped by the increase and decrease
// actions; its arrow buttons (never focused) are not shown as controls of their own.
class SpinnerAccessible final : public ActingAccessible, public QAccessibleValueInterface {
public:
    explicit SpinnerAccessible(UpDown *spinner)
        : ActingAccessible(spinner, QAccessible::SpinBox,
                           {{increaseAction(), [spinner] { spinner->Step(1); }},
                            {decreaseAction(), [spinner] { spinner->Step(-1); }}})
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return ActingAccessible::interface_cast(type);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(Spinner()->position());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return Spinner()->position(); }
    void setCurrentValue(const QVariant &value) override
    {
        Guarded([&] { Spinner()->Step(value.toInt() - Spinner()->position()); });
    }
    QVariant maximumValue() const override { return Spinner()->maximum(); }
    QVariant minimumValue() const override { return Spinner()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    UpDown *Spinner() const { return static_cast<UpDown *>(widget()); }
};

// A pressable label: a link or a button that a screen reader can press.
class PressableAccessible final : public ActingAccessible {
public:
    explicit PressableAccessible(PressableLabel *label)
        : ActingAccessible(label, label->kind() == PressableLabel::Kind::Link ? QAccessible::Link : QAccessible::Button,
                           {{pressAction(), [label] { label->press(); }}})
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Label()->spokenName();
        return QAccessibleWidget::text(t);
    }

private:
    PressableLabel *Label() const { return static_cast<PressableLabel *>(widget()); }
};

// A list: named by its accessible name or the label of which it is the buddy, its text as
// value. (On Linux Qt names an editable list by its text, so "2026" would be all a listener
// hears of the year list; an interface is made once, often before the name is set, so every
// list gets this one.)
class ListAccessible final : public ActingAccessible {
public:
    explicit ListAccessible(QComboBox *list)
        : ActingAccessible(list, QAccessible::ComboBox, {{showMenuAction(), [list] { list->showPopup(); }}})
    {}
    QString text(QAccessible::Text t) const override
    {
        const QString value = static_cast<QComboBox *>(widget())->currentText();
        if (t == QAccessible::Value)
            return value;
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? value : text;
    }
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    // Qt asks with the name of each class of the object's hierarchy in turn. Decided by that name
    // alone: the object may be one of another library's, whose type a call into it cannot check.
    if (object == nullptr)
        return nullptr;
    if (className == QLatin1String("orlenvo::ui::UpDown"))
        return new SpinnerAccessible(static_cast<UpDown *>(object));
    if (className == QLatin1String("orlenvo::ui::PressableLabel"))
        return new PressableAccessible(static_cast<PressableLabel *>(object));
    if (className == QLatin1String("QComboBox"))
        return new ListAccessible(static_cast<QComboBox *>(object));
    // Reached only when no class above plain QWidget has an interface: a window of our own,
    // which Qt would expose as a client area ("filler").
    if (className == QLatin1String("QWidget") && static_cast<QWidget *>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

void SetUpKeyboard(QWidget *window, QAbstractButton *run, bool escapeCloses)
{
    InstallAccessibility();
    auto *keys = new WindowKeys(window, run, escapeCloses);
    window->installEventFilter(keys);
    for (QWidget *control : window->findChildren<QWidget *>())
        if (control->window() == window)  // not the pop-ups of lists
            control->installEventFilter(keys);
    for (QPlainTextEdit *memo : window->findChildren<QPlainTextEdit *>()) {
        memo->setTabChangesFocus(true);
        AddFocusMark(memo);
    }
    for (QTextEdit *memo : window->findChildren<QTextEdit *>()) {
        memo->setTabChangesFocus(true);
        AddFocusMark(memo);
    }
    // A page area whose tab row is hidden passes focus to that hidden row, where it is lost
    // and Tab goes no further; its pages' controls are the stops.
    for (QTabWidget *pages : window->findChildren<QTabWidget *>()) {
        if (pages->tabBar()->isHidden()) {
            pages->setFocusPolicy(Qt::NoFocus);
            pages->tabBar()->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void AddFocusMark(QWidget *control)
{
    new FocusMark(control);
}

void SetSpokenName(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

void PairRows(std::initializer_list<std::pair<QLabel *, QLabel *>> rows)
{
    for (const auto &[caption, value] : rows) {
        caption->setBuddy(value);
        caption->raise();  // reading order follows the order of the parent's children
        value->raise();
    }
}

PressableLabel::PressableLabel(Kind kind, QWidget *parent) : QLabel(parent), kind_(kind)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

QString PressableLabel::spokenName() const
{
    const QString name = accessibleName();
    if (name.isEmpty())
        return text();
    return name.contains(QLatin1String("%1")) ? name.arg(text()) : name;
}

void PressableLabel::press()
{
    emit clicked();
}

void PressableLabel::keyPressEvent(QKeyEvent *event)
{
    if (Unmodified(event) && (IsEnter(event) || event->key() == Qt::Key_Space)) {
        press();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void PressableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        press();
}

void PressableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace orlenvo::ui
