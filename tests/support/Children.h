// Finding a window's controls by their object names in window tests.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace orlenvo::testing {

// The child of `parent` named `name`; a missing control ends the test run with its name,
// so a renamed control is a failure rather than a crash on a null pointer.
template <typename T>
T *Child(const QObject *parent, const QString &name)
{
    T *child = parent->findChild<T *>(name);
    if (child == nullptr)
        qFatal("no control %s of type %s", qPrintable(name), T::staticMetaObject.className());
    return child;
}

template <typename T>
T *Child(const QObject *parent, const char *name)
{
    return Child<T>(parent, QString::fromUtf8(name));
}

template <typename T>
T *Child(const QObject &parent, const QString &name)
{
    return Child<T>(&parent, name);
}

}  // namespace orlenvo::testing
