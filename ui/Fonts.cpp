#include "ui/Fonts.h"

namespace orlenvo::ui {

void InstallFontSubstitutions()
{
    const QString uming = QStringLiteral("AR PL UMing CN");
    const QString ukai = QStringLiteral("AR PL UKai CN");
    const QString zenhei = QStringLiteral("WenQuanYi Zen Hei");
    const QString dejavu = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitutions(QStringLiteral("宋体"), {uming, zenhei});
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), {ukai, uming});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {zenhei, uming});
    QFont::insertSubstitutions(QStringLiteral("隶书"), {ukai, uming});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"), {dejavu, zenhei});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {dejavu, zenhei});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {dejavu, zenhei});
}

QFont Font(const QString &family, Pixels height, bool bold)
{
    QFont font(family);
    font.setPixelSize(height.value);
    font.setBold(bold || family == QStringLiteral("Arial Black"));
    return font;
}

QFont Font(const QString &family, Points size, bool bold)
{
    QFont font(family);
    font.setPointSize(size.value);
    font.setBold(bold || family == QStringLiteral("Arial Black"));
    return font;
}

}  // namespace orlenvo::ui
