// How the program presents itself to the desktop: its id, its icon and Qt's own texts in Chinese.
#pragma once

#include <QIcon>
#include <QString>

class QCoreApplication;

namespace orlenvo::ui {

// The reverse-DNS id of the desktop entry, the AppStream data and the theme icon.
QString DesktopId();

// The icon theme's application icon; the built-in picture where the theme has none.
QIcon ApplicationIcon();

// Loads Qt's own Chinese translation from Qt's translations folder into `app`, so that standard
// buttons and dialogs read in Chinese: qtbase_zh_CN, under a Traditional script qtbase_zh_TW
// (Hong Kong: qtbase_zh_HK where present). Returns whether it was found.
bool LoadQtTranslation(QCoreApplication &app);

// Start-up: desktop id, window icon (the theme's once the first window has been drawn) and Qt's
// translation.
void InstallDesktopIdentity(QCoreApplication &app);

}  // namespace orlenvo::ui
