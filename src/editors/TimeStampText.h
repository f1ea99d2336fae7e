#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// nviTimeSet as text: year/month/day, one blank, hour:minute:second.
namespace time_stamp_text {

struct Parts
{
    QString date;
    QString time;
    // Year, month, day and hour, minute, second.
    QStringList dateParts;
    QStringList timeParts;
};

QString compose(const QStringList& dateParts, const QStringList& timeParts);
// None for a text that does not split into a date and a time of three parts each.
std::optional<Parts> split(const QString& text);

// What a part becomes when the user leaves it: k = 0 year, 1 month, 2 day; 0 hour, 1 minute, 2 second.
QString settledDatePart(int k, const QString& text);
QString settledTimePart(int k, const QString& text);

} // namespace time_stamp_text
