// Small constructors for the controls the windows place at fixed positions.
#pragma once

#include <QRect>
#include <QString>
#include <Qt>

class QColor;
class QLabel;
class QPushButton;
class QWidget;

namespace orlenvo::ui {

// A plain-text label named as its control; SetUpLabel does the same to a label of another class.
QLabel *SetUpLabel(QLabel *label, const QString &name, const QString &text, const QRect &geometry,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A button named as its control that is never the dialog's default (Enter belongs to the
// entry field).
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);

// Text and background colours of a control. Both leave the control alone when it already has
// the colour: a month of the calendar resets 74 labels, and palette changes are not free.
void SetTextColour(QWidget *widget, const QColor &colour);
void SetBackgroundColour(QWidget *widget, const QColor &colour);

}  // namespace orlenvo::ui
