// The result rows of the number windows, as the user reads them.
#pragma once

#include "tests/support/Children.h"

#include <QLabel>
#include <QStringList>

namespace orlenvo::testing {

// Number, verdict, luck and character (RzLabel11, RzLabel10, RzLabel9, RzLabel8).
inline QStringList ResultRows(const QObject *window)
{
    QStringList rows;
    for (const char *name : {"RzLabel11", "RzLabel10", "RzLabel9", "RzLabel8"})
        rows << Child<QLabel>(window, name)->text();
    return rows;
}

}  // namespace orlenvo::testing
