#pragma once

#include <QString>

// A number as the messages show it: a leading blank where a minus sign would stand.
inline QString signedNumberText(qint64 number)
{
    return number >= 0 ? QStringLiteral(" ") + QString::number(number) : QString::number(number);
}
