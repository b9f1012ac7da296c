// The fonts the windows ask for by name, and their sizes in pixels or points.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace orlenvo::ui {

// Maps the fonts the windows ask for ("宋体", "黑体", "Arial Black" ...) to installed free fonts.
void InstallFontSubstitutions();

// A character height in pixels, or a size in points.
struct Pixels {
    int value;
};
struct Points {
    int value;
};

// A font by the family name a window asks for; "Arial Black" is always bold.
QFont Font(const QString &family, Pixels height, bool bold = false);
QFont Font(const QString &family, Points size, bool bold = false);

}  // namespace orlenvo::ui
