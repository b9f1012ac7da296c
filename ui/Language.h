// The script of the windows' texts: chosen at start from the command line or the locale, and
// the Traditional text of a Simplified one (core/Script.h).
#pragma once

#include "core/Script.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace orlenvo::ui {

// The text as the current script writes it; `simplified` itself under Simplified.
QString Tr(const QString &simplified);
QString Tr(const char *simplified);

// The script the user interface languages ask for (QLocale::uiLanguages(), most wanted first):
// the first Chinese one decides: zh-TW or zh-Hant-TW Taiwan; zh-HK, zh-MO or zh-Hant with HK or
// MO Hong Kong; zh-Hant alone Taiwan; any other Chinese, and no Chinese at all, Simplified.
Script ScriptForLanguages(const QStringList &uiLanguages);

// The resource path of a picture in the current script: ":/pictures/zh_TW/banner.svg" for
// ":/pictures/banner.svg" under Taiwan's script when the build made one, else `path` itself.
QString ScriptPicture(const QString &path);

// Sets the program's script before any window: `--lang <name>` or `--lang=<name>` among
// `arguments` decides, else the system locale's user interface languages. An unknown name is
// logged under orlenvo.ui.language and the locale decides.
void ChooseScript(const QStringList &arguments);

}  // namespace orlenvo::ui
