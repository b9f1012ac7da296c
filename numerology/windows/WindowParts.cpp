#include "numerology/windows/WindowParts.h"

#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace orlenvo::numerology {

std::tuple<QLabel *, QLabel *, QLabel *, QLabel *> MakeResultRows(QGroupBox *box, const QString &numberLabel,
                                                                  const ResultRowsShape &shape)
{
    const QString captions[] = {numberLabel, ui::Tr(QStringLiteral("状态：")), ui::Tr(QStringLiteral("吉凶：")),
                                ui::Tr(QStringLiteral("具体表现："))};
    const char *captionNames[] = {"RzLabel5", "RzLabel4", "RzLabel6", "RzLabel7"};
    const char *valueNames[] = {"RzLabel11", "RzLabel10", "RzLabel9"};
    const int valueWidths[] = {202, 290, 98};
    QLabel *captionLabels[4] = {};
    QLabel *values[3] = {};
    for (int row = 0; row < 4; ++row) {
        const QRect caption = shape.firstCaption.translated(0, row * shape.step);
        captionLabels[row] =
            MakeLabel(box, QString::fromLatin1(captionNames[row]), captions[row], caption, shape.captionAlignment);
        if (row < 3)
            values[row] = MakeLabel(box, QString::fromLatin1(valueNames[row]), {},
                                    QRect(shape.valueLeft, caption.top(), valueWidths[row], caption.height()));
    }
    values[2]->setFont(ui::Font(QStringLiteral("宋体"), ui::Points{8}));
    SetTextColour(values[2], Qt::red);
    QLabel *character = MakeLabel(box, QStringLiteral("RzLabel8"), {}, shape.characterRect);
    character->setWordWrap(true);
    character->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::PairRows({{captionLabels[0], values[0]},
                  {captionLabels[1], values[1]},
                  {captionLabels[2], values[2]},
                  {captionLabels[3], character}});
    return {values[0], values[1], values[2], character};
}

namespace {

constexpr int kMaxLength = 18;

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

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
    ui::CloseBoxOnly(window);
    window->setFont(ui::Font(QStringLiteral("宋体"), ui::Points{9}));
    // Centred on the screen rather than on the main window.
    ui::SetUpWindow(window, {objectName, caption, QSize(width, height)});
}

EntryWindow::EntryWindow(QWidget *parent, const QString &objectName, const QString &caption, QSize clientSize,
                         const EntryRowShape &row)
    : QDialog(parent)
{
    SetUpToolWindow(this, objectName, caption, clientSize.width(), clientSize.height());

    RzLabel1 = MakeLabel(this, QStringLiteral("RzLabel1"), row.caption, row.captionRect);
    edtmun = new QLineEdit(this);
    edtmun->setObjectName(QStringLiteral("edtmun"));
    edtmun->setGeometry(row.fieldRect);
    SetUpEntryField(edtmun);
    new EntryKeys(edtmun, row.digitsOnly, [this] { RzBitBtn1Click(); });

    RzBitBtn1 = MakeButton(this, QStringLiteral("RzBitBtn1"), QStringLiteral("测算"), row.runRect);
    RzBitBtn2 = MakeButton(this, QStringLiteral("RzBitBtn2"), QStringLiteral("关闭"), row.closeRect);
    connect(RzBitBtn1, &QPushButton::clicked, this, ui::Guard(this, &EntryWindow::RzBitBtn1Click));
    connect(RzBitBtn2, &QPushButton::clicked, this, ui::Guard(this, &EntryWindow::RzBitBtn2Click));

    RzGroupBox1 = new QGroupBox(ui::Tr(QStringLiteral("测算结果")), this);
    RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
    RzGroupBox1->setGeometry(row.resultsRect);

    QString fieldName = row.fieldName;
    if (fieldName.isEmpty())
        fieldName = QString(row.caption).remove(QStringLiteral("："));
    ui::SetSpokenName(edtmun, fieldName);
    RzLabel1->setBuddy(edtmun);
    ui::SetUpKeyboard(this);
}

void EntryWindow::RzBitBtn2Click()
{
    close();
}

}  // namespace orlenvo::numerology
