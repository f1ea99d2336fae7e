#pragma once

#include <QString>
#include <QStringList>

namespace lns {

// One CP of a set written with AppDevice::writeConfigProperties, and what is read back for it.
struct CpSetValue
{
    // The CP as the point catalogue names it: "F:b/C:s:i" (block b, counted from 0),
    // "N:n/C:s:i" (NV index n) or "C:s:i" (the device interface itself).
    QString id;
    // Written: either the whole value in text (an array's elements separated by ";") or, when
    // elements is not empty, one text per element from element 0. Read back: both.
    QString text;
    QStringList elements;
};

} // namespace lns
