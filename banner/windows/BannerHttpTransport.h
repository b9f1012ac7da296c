// The banner's HTTP transport, built as a module of its own (the program links no network
// library: it loads while the main window is built, off the main thread). Only Qt and standard
// types cross the module boundary.
#pragma once

#include "banner/windows/BannerHttp.h"

#include <QObject>
#include <QUrl>

#include <functional>

namespace orlenvo::banner {

class HttpTransport : public QObject {
public:
    using QObject::QObject;
    // As HttpClient::Start, for a web address and a positive time-out.
    virtual void Start(const QUrl &url, std::function<void(const HttpResult &)> done, int timeoutMs) = 0;
    virtual void Cancel() = 0;
};

inline constexpr char kHttpModule[] = "liborlenvo_banner_http.so";
inline constexpr char kCreateHttpTransportSymbol[] = "OrlenvoCreateHttpTransport";
using CreateHttpTransportFn = HttpTransport *(*)(QObject *parent) noexcept;

}  // namespace orlenvo::banner
