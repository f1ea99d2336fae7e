#include "editors/UnitStatusText.h"

#include "host/BadValue.h"

#include <QStringList>
#include <stdexcept>

namespace unit_status_text {

namespace {

constexpr QChar Comma = u',';
constexpr QChar Point = u'.';
// Fields 1-5 carry decimals; field 0 is the mode name and field 6 the alarm flag.
constexpr int FirstDecimalField = 1;
constexpr int LastDecimalField = 5;

QString joined(const Fields& fields)
{
    QStringList parts;
    for (const QString& field : fields)
        parts.append(field);
    return parts.join(Comma);
}

} // namespace

Fields split(const QString& text)
{
    const QStringList parts = text.split(Comma);
    if (parts.size() < FieldCount)
        throw BadValue("\"" + text.toStdString() + "\" has fewer than seven unit status fields");
    Fields fields;
    for (int k = 0; k < FieldCount; ++k)
        fields[static_cast<std::size_t>(k)] = parts.at(k);
    return fields;
}

Normalised normaliseCommaDecimals(const QString& value)
{
    const qsizetype firstComma = value.indexOf(Comma);
    if (firstComma < 0)
        throw BadValue("\"" + value.toStdString() + "\" is no unit status value");

    Normalised result;
    if (value.count(Comma) == FieldCount - 1) {
        result.value = value;
        result.fields = split(value);
        for (int k = FirstDecimalField; k <= LastDecimalField; ++k)
            result.fields[static_cast<std::size_t>(k)].replace(Point, Comma);
        return result;
    }

    Fields& fields = result.fields;
    fields[0] = value.left(firstComma);
    qsizetype start = firstComma + 1;
    for (int k = FirstDecimalField; k <= LastDecimalField; ++k) {
        const qsizetype integerEnd = value.indexOf(Comma, start);
        const qsizetype decimalEnd = integerEnd < 0 ? -1 : value.indexOf(Comma, integerEnd + 1);
        if (decimalEnd < 0) {
            fields[static_cast<std::size_t>(k)] = value.mid(start);
            start = value.size();
        } else {
            fields[static_cast<std::size_t>(k)] = value.mid(start, decimalEnd - start);
            start = decimalEnd + 1;
        }
    }
    fields[FieldCount - 1] = value.mid(start);

    Fields withPoints = fields;
    for (int k = 1; k < FieldCount; ++k)
        withPoints[static_cast<std::size_t>(k)].replace(Comma, Point);
    result.value = joined(withPoints);
    return result;
}

QString normaliseField(const QString& field, const QString& separator)
{
    if (field.isEmpty())
        return field;
    constexpr int Decimals = 3;
    const qsizetype at = separator.isEmpty() ? -1 : field.indexOf(separator);
    if (at < 0)
        return field + Point + QString(Decimals, u'0');
    const QString fraction = field.mid(at + separator.size());
    return field.left(at) + Point + fraction.leftJustified(Decimals, u'0');
}

QString compose(const Fields& fields, const QString& separator)
{
    Fields normalised = fields;
    for (int k = FirstDecimalField; k <= LastDecimalField; ++k)
        normalised[static_cast<std::size_t>(k)] =
            normaliseField(fields[static_cast<std::size_t>(k)], separator);
    return joined(normalised);
}

bool sameStatus(const QString& value, const QString& other)
{
    const QStringList parts = value.split(Comma);
    const QStringList otherParts = other.split(Comma);
    if (parts.size() != FieldCount || otherParts.size() != FieldCount)
        return value == other;
    for (int k = 0; k < FieldCount; ++k) {
        const bool decimal = k >= FirstDecimalField && k <= LastDecimalField;
        bool ok = false;
        bool otherOk = false;
        const double number = parts.at(k).toDouble(&ok);
        const double otherNumber = otherParts.at(k).toDouble(&otherOk);
        if (decimal && ok && otherOk ? number != otherNumber : parts.at(k) != otherParts.at(k))
            return false;
    }
    return true;
}

} // namespace unit_status_text
