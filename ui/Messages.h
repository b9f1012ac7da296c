// Message boxes every window uses, the guard of every event handler, and UTF-8 conversions.
#pragma once

#include <QString>

#include <exception>
#include <string>
#include <utility>

namespace orlenvo::ui {

// Modal information message: caption "提示", information icon, one OK button.
void ShowInformation(const QString &text);

// The general error box: caption = the application title, critical icon, one OK button.
void ShowErrorBox(const QString &text);

// Shows the text of an exception that escaped a command or event handler.
void ReportException(const std::exception_ptr &error);

// UTF-8 std::string <-> QString.
inline QString FromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}
inline std::string ToUtf8(const QString &text)
{
    return text.toStdString();
}

// The guard of every event handler that may fail: runs fn, and an exception that escapes it
// (std::exception or any other) is shown in the general error box, after which Guarded
// returns normally. No exception then unwinds through Qt's event delivery.
template <typename Fn>
void Guarded(Fn &&fn)
{
    try {
        fn();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

// A slot for connect() that runs fn through Guarded; the signal's arguments are dropped.
template <typename Fn>
auto Guard(Fn fn)
{
    return [fn = std::move(fn)] { Guarded(fn); };
}

// A slot for connect() that runs a handler of `object` through Guarded.
template <typename T>
auto Guard(T *object, void (T::*handler)())
{
    return [object, handler] { Guarded([&] { (object->*handler)(); }); };
}

}  // namespace orlenvo::ui
