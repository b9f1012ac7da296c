// The script chosen at start and the windows' lookups of the catalogue.
#include "ui/Language.h"

#include <QFile>
#include <QLocale>
#include <QLoggingCategory>

namespace orlenvo::ui {

namespace {

Q_LOGGING_CATEGORY(lcLanguage, "orlenvo.ui.language")

}  // namespace

QString Tr(const QString &simplified)
{
    if (CurrentScript() == Script::Simplified)
        return simplified;
    const QByteArray utf8 = simplified.toUtf8();
    const std::string_view text = Localized(std::string_view(utf8.constData(), utf8.size()));
    return text.data() == utf8.constData() ? simplified : QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString Tr(const char *simplified)
{
    if (CurrentScript() == Script::Simplified)
        return QString::fromUtf8(simplified);
    return QString::fromUtf8(Localized(simplified));
}

QString ScriptPicture(const QString &path)
{
    const Script script = CurrentScript();
    if (script == Script::Simplified)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString local = path.left(slash + 1) +
                          (script == Script::Taiwan ? QLatin1String("zh_TW/") : QLatin1String("zh_HK/")) +
                          path.mid(slash + 1);
    return QFile::exists(local) ? local : path;
}

Script ScriptForLanguages(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        const QStringList parts = QString(language).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
        if (parts.first().compare(QLatin1String("zh"), Qt::CaseInsensitive) != 0)
            continue;
        bool traditional = false;
        for (const QString &part : parts.mid(1)) {
            if (part.compare(QLatin1String("TW"), Qt::CaseInsensitive) == 0)
                return Script::Taiwan;
            if (part.compare(QLatin1String("HK"), Qt::CaseInsensitive) == 0 ||
                part.compare(QLatin1String("MO"), Qt::CaseInsensitive) == 0)
                return Script::HongKong;
            if (part.compare(QLatin1String("Hant"), Qt::CaseInsensitive) == 0)
                traditional = true;
        }
        return traditional ? Script::Taiwan : Script::Simplified;
    }
    return Script::Simplified;
}

void ChooseScript(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            value = arguments[i + 1];
        else if (arguments[i].startsWith(QLatin1String("--lang=")))
            value = arguments[i].mid(7);
        else
            continue;
        if (const std::optional<Script> script = ScriptNamed(value.toStdString())) {
            SetScript(*script);
            return;
        }
        qCWarning(lcLanguage) << "--lang" << value << "is not zh_CN, zh_TW or zh_HK; the locale decides";
        break;
    }
    SetScript(ScriptForLanguages(QLocale::system().uiLanguages()));
}

}  // namespace orlenvo::ui
