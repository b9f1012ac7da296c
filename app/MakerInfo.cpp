#include "app/MakerInfo.h"

namespace orlenvo::app {

const MakerInfo &DefaultMakerInfo()
{
    static const MakerInfo info{
        .server = QUrl(QStringLiteral("http://www.example.com")),
        .homePage = QUrl(QStringLiteral("http://www.example.com/")),
        .webSite = QUrl(QStringLiteral("http://www.example.com/orlenvo/")),
        .webDirectory = QUrl(QStringLiteral("http://www.example.net/")),
        .productPage = QUrl(QStringLiteral("http://www.example.org/download/qiming.html")),
        .chatServer = QUrl(QStringLiteral("http://www.example.org")),
        .companyName = QStringLiteral("Orlenvo 工作室"),
        .contactPerson = QStringLiteral("林先生"),
        .chatNumber = QStringLiteral("80001234"),
        .telephone = QStringLiteral("010-5550 0123"),
        .mailAddress = QStringLiteral("support@example.com"),
    };
    return info;
}

}  // namespace orlenvo::app
