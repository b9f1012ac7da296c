#include "numerology/windows/WindowParts.h"

#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QDialog>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace orlenvo::numerology {

namespace {

constexpr int kMaxLength = 18;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QString DigitsOf(const QString &text)
{
    QString digits;
    for (QChar c : text)
        if (IsDigit(c))
            digits += c;
    return digits;
}

}  // namespace

UpperCaseLatin::UpperCaseLatin(QObject *parent) : QValidator(parent) {}

QValidator::State UpperCaseLatin::validate(QString &input, int &) const
{
    for (QChar &c : input)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return Acceptable;
}

EntryKeys::EntryKeys(QLineEdit *field, bool digitsOnly, std::function<void()> onEnter)
    : QObject(field), digitsOnly_(digitsOnly), onEnter_(std::move(onEnter))
{
    field->installEventFilter(this);
}

bool EntryKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ui::Guarded(onEnter_);
            return true;
        }
        if (!digitsOnly_)
            return false;
        // Shortcuts (copy, paste, select all, undo) are not typed characters.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString text = key->text();
        for (QChar c : text)
            if (c.isPrint() && !IsDigit(c))
                return true;
        return false;
    }
    if (digitsOnly_ && event->type() == QEvent::InputMethod) {
        auto *im = static_cast<QInputMethodEvent *>(event);
        const QString digits = DigitsOf(im->commitString());
        if (digits != im->commitString())
            im->setCommitString(digits, im->replacementStart(), im->replacementLength());
    }
    return QObject::eventFilter(watched, event);
}

void SetUpEntryField(QLineEdit *field)
{
    field->setMaxLength(kMaxLength);
    field->setValidator(new UpperCaseLatin(field));
}

void SetUpToolWindow(QDialog *window, const QString &objectName, const QString &caption, int width, int height)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    window->setFont(ui::Font(QStringLiteral("宋体"), ui::Points{9}));
    // Centred on the screen rather than on the main window.
    ui::SetUpWindow(window, {objectName, caption, QSize(width, height)});
}

}  // namespace orlenvo::numerology
