#include "app/windows/MakerInfo.h"

namespace orlenvo::app {

// Every host lies under the reserved top-level domain "example", which never resolves: the
// program cannot send traffic to anybody's server until real addresses are put here.
const MakerInfo &DefaultMakerInfo()
{
    static const MakerInfo info{
        .server = QUrl(QStringLiteral("http://www.orlenvo.example")),
        .homePage = QUrl(QStringLiteral("http://www.orlenvo.example/")),
        .webSite = QUrl(QStringLiteral("http://www.orlenvo.example/fengshui/")),
        .webDirectory = QUrl(QStringLiteral("http://www.wangzhi.example/")),
        .productPage = QUrl(QStringLiteral("http://www.orlenvo.example/download/qiming.html")),
        .chatServer = QUrl(QStringLiteral("http://chat.orlenvo.example")),
        .companyName = QStringLiteral("Orlenvo 工作室"),
        .contactPerson = QStringLiteral("林先生"),
        .chatNumber = QStringLiteral("80001234"),
        .telephone = QStringLiteral("010-5550 0123"),
        .mailAddress = QStringLiteral("kf@orlenvo.example"),
    };
    return info;
}

}  // namespace orlenvo::app
