// Keyboard use of a window and what a screen reader hears of it.
#pragma once

#include <QLabel>
#include <QString>

#include <initializer_list>
#include <utility>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace orlenvo::ui {

// Keyboard use of `window` and of the controls it holds at the call: Escape closes it (unless
// escapeCloses is false), Enter presses a focused button, Enter in an entry field or list
// presses `run` when given, Tab leaves every multi-line text area instead of typing (and a
// focus mark shows on it), and a page area with hidden tabs is no Tab stop of its own.
void SetUpKeyboard(QWidget *window, QAbstractButton *run = nullptr, bool escapeCloses = true);

// A frame in the highlight colour over `control` while it has focus that the keyboard gave it
// (or once the keyboard has moved the focus in its window), for controls whose style draws no
// focus mark of its own (text areas, the spinner).
void AddFocusMark(QWidget *control);

// The name a screen reader gives a control; an editable list's entry field gets it too.
void SetSpokenName(QWidget *control, const QString &name);

// Result rows, each a caption label and its value label: read as caption and value together
// (the caption labels its value, and the pairs follow each other in reading order).
void PairRows(std::initializer_list<std::pair<QLabel *, QLabel *>> rows);

// Installs the accessibility of the toolkit's own controls, of lists and of plain top-level
// windows, before any is asked for; once per program (the application object calls it).
void InstallAccessibility();

// A label that the mouse, Enter, Space and a screen reader can press: a link, or a text that
// acts as a button. It takes Tab focus (not mouse focus) and then shows a focus mark. Its
// spoken name is the accessible name with "%1" replaced by the text, else the text.
class PressableLabel final : public QLabel {
    Q_OBJECT
public:
    enum class Kind { Link, Button };
    explicit PressableLabel(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return kind_; }
    QString spokenName() const;
    void press();

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_;
};

}  // namespace orlenvo::ui
