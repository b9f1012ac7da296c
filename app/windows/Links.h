// Links the shell opens: the maker's home page, mail, chat, the other product and the web
// site, through the desktop's URL handler. Results are ignored.
#pragma once

#include "app/windows/MakerInfo.h"

#include <QUrl>

namespace orlenvo::banner {
struct BannerEngineSource;
}

namespace orlenvo::app {

class StartPageStore;

class Links {
public:
    virtual ~Links() = default;
    virtual void Open(const QUrl &url) = 0;
};

// QDesktopServices::openUrl; nothing is reported when it fails.
class DesktopLinks final : public Links {
public:
    void Open(const QUrl &url) override;
};

DesktopLinks &ProgramLinks();

// What the service commands, the banner and the exit reach outside the program.
struct ServiceEnvironment {
    MakerInfo maker = DefaultMakerInfo();
    Links *links = nullptr;                                    // null: the desktop's URL handler
    StartPageStore *startPage = nullptr;                       // null: the user's start-page store
    const banner::BannerEngineSource *bannerEngine = nullptr;  // null: the program's web engine

    Links &LinksOrDesktop() const;
    StartPageStore &StartPageOrUser() const;
};

// "mailto:" and the support address.
QUrl MailLinkUrl(const MakerInfo &maker);
// The chat-link page: path "/msgrd", query "V=1&Uin=<number>&Site=????&Menu=yes".
QUrl ChatLinkUrl(const MakerInfo &maker);

void OpenHomePage(const ServiceEnvironment &env);
void OpenMailLink(const ServiceEnvironment &env);
void OpenChatLink(const ServiceEnvironment &env);
void OpenProductPage(const ServiceEnvironment &env);
// The maker's web site in the web browser (after the exit prompt's "是(&Y)").
void OpenWebSite(const ServiceEnvironment &env);

}  // namespace orlenvo::app
