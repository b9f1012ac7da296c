#include "app/windows/Links.h"

#include "app/windows/StartPage.h"

#include <QDesktopServices>

namespace orlenvo::app {

void DesktopLinks::Open(const QUrl &url)
{
    (void)QDesktopServices::openUrl(url);
}

DesktopLinks &ProgramLinks()
{
    static DesktopLinks links;
    return links;
}

Links &ServiceEnvironment::LinksOrDesktop() const
{
    return links ? *links : ProgramLinks();
}

StartPageStore &ServiceEnvironment::StartPageOrUser() const
{
    return startPage ? *startPage : UserStartPageStore();
}

QUrl MailLinkUrl(const MakerInfo &maker)
{
    return QUrl(QStringLiteral("mailto:") + maker.mailAddress);
}

QUrl ChatLinkUrl(const MakerInfo &maker)
{
    QUrl url = maker.chatServer;
    url.setPath(QStringLiteral("/msgrd"));
    url.setQuery(QStringLiteral("V=1&Uin=") + maker.chatNumber + QStringLiteral("&Site=????&Menu=yes"));
    return url;
}

void OpenHomePage(const ServiceEnvironment &env)
{
    env.LinksOrDesktop().Open(env.maker.homePage);
}

void OpenMailLink(const ServiceEnvironment &env)
{
    env.LinksOrDesktop().Open(MailLinkUrl(env.maker));
}

void OpenChatLink(const ServiceEnvironment &env)
{
    env.LinksOrDesktop().Open(ChatLinkUrl(env.maker));
}

void OpenProductPage(const ServiceEnvironment &env)
{
    env.LinksOrDesktop().Open(env.maker.productPage);
}

void OpenWebSite(const ServiceEnvironment &env)
{
    env.LinksOrDesktop().Open(env.maker.webSite);
}

}  // namespace orlenvo::app
