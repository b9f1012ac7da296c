// Small constructors for the controls the windows place at fixed positions.
#pragma once

#include <QRect>
#include <QString>

class QColor;
class QFont;
class QLabel;
class QPushButton;
class QWidget;

namespace orlenvo::ui {

// "宋体" at a size in points.
QFont SongTi(int pointSize);

// A plain-text label, and a button that is never the dialog's default (Enter belongs to the
// entry field), each named as its control.
QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
void SetTextColor(QLabel *label, const QColor &color);

}  // namespace orlenvo::ui
