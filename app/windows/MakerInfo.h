// The program maker's addresses and contact details: the one place that holds them.
#pragma once

#include <QString>
#include <QUrl>

namespace orlenvo::app {

struct MakerInfo {
    QUrl server;        // the maker's web server: the banner and flag documents
    QUrl homePage;      // "公司主页"
    QUrl webSite;       // opened in the browser after "退出" is answered "是(&Y)"
    QUrl webDirectory;  // the web-directory address the exit prompt offers as start page
    QUrl productPage;   // the download page of the other product
    QUrl chatServer;    // the instant-messaging service's chat-link server
    QString companyName;
    QString contactPerson;
    QString chatNumber;  // instant-messaging number
    QString telephone;
    QString mailAddress;  // support e-mail address
};

// The maker's own details. Every address lies in a reserved example domain.
const MakerInfo &DefaultMakerInfo();

}  // namespace orlenvo::app
