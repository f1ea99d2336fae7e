#pragma once

#include "host/RegistryKeys.h"

#include <QString>

// The D-Bus error name that carries an automation error number.
namespace automation_error_name {
// A name element may not hold a minus sign; a negative number is written "EN" and its digits.
inline QString forNumber(qint64 number)
{
    const QString digits =
        number < 0 ? QStringLiteral("N") + QString::number(-number) : QString::number(number);
    return registry_keys::ProductKey + QStringLiteral(".Error.E") + digits;
}
} // namespace automation_error_name
