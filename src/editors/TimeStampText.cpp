#include "editors/TimeStampText.h"

#include <limits>

namespace time_stamp_text {

namespace {

// Empty and unreadable parts count as out of range.
bool within(const QString& text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= minimum && value <= maximum;
}

} // namespace

QString compose(const QStringList& dateParts, const QStringList& timeParts)
{
    return dateParts.join(QLatin1Char('/')) + QLatin1Char(' ') + timeParts.join(QLatin1Char(':'));
}

std::optional<Parts> split(const QString& text)
{
    const QStringList halves = text.split(QLatin1Char(' '));
    if (halves.size() < 2)
        return std::nullopt;
    Parts parts{halves.at(0), halves.at(1), halves.at(0).split(QLatin1Char('/')),
                halves.at(1).split(QLatin1Char(':'))};
    if (parts.dateParts.size() < 3 || parts.timeParts.size() < 3)
        return std::nullopt;
    parts.dateParts = parts.dateParts.mid(0, 3);
    parts.timeParts = parts.timeParts.mid(0, 3);
    return parts;
}

QString settledDatePart(int k, const QString& text)
{
    switch (k) {
    case 0:
        return within(text, 2000, std::numeric_limits<int>::max()) ? text : QStringLiteral("2006");
    case 1:
        return within(text, 1, 12) ? text : QStringLiteral("1");
    default:
        return within(text, 1, 31) ? text : QStringLiteral("1");
    }
}

QString settledTimePart(int k, const QString& text)
{
    return within(text, 0, k == 0 ? 23 : 59) ? text : QStringLiteral("0");
}

} // namespace time_stamp_text
