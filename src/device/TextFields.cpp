#include "device/TextFields.h"

#include "host/BadValue.h"

#include <QStringList>
#include <algorithm>
#include <stdexcept>

namespace text_fields {

namespace {

constexpr int BitCount = 16;
constexpr int ByteCount = 4;

[[noreturn]] void reject(const QString& why)
{
    throw BadValue(why.toStdString());
}

QStringList byteParts(const QString& text, int byte)
{
    if (byte < 0 || byte >= ByteCount)
        reject(QStringLiteral("byte position %1 is not 0..3").arg(byte));
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != ByteCount)
        reject(QStringLiteral("\"%1\" is not a list of four hexadecimal bytes").arg(text));
    return parts;
}

} // namespace

QString BitField(const QString& text, bool write, int bit, bool newBit, bool fromRight)
{
    if (bit < 0 || bit >= BitCount)
        reject(QStringLiteral("bit position %1 is not 0..15").arg(bit));
    const int digit = fromRight ? BitCount - 1 - bit : bit;
    // Digits are separated by single blanks: digit j stands at character 2j.
    const qsizetype at = 2 * digit;
    if (at >= text.size() || (text.at(at) != QLatin1Char('0') && text.at(at) != QLatin1Char('1')))
        reject(QStringLiteral("\"%1\" has no bit digit for bit %2").arg(text).arg(bit));
    if (!write)
        return text.mid(at, 1);
    QString result = text;
    result[at] = newBit ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

double HexByteField(const QString& text, int byte)
{
    const QString part = byteParts(text, byte).at(byte).trimmed().toLower();
    // Plain hex digits only (no sign, no "0x"), and few enough to fit 32 bits.
    const bool hexDigits = std::all_of(part.cbegin(), part.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    });
    if (part.isEmpty() || part.size() > 8 || !hexDigits)
        reject(QStringLiteral("\"%1\" is not hexadecimal in \"%2\"").arg(part, text));
    return static_cast<double>(part.toUInt(nullptr, 16));
}

QString HexByteField(const QString& text, int byte, int newValue)
{
    if (newValue < 0 || newValue > 0xff)
        reject(QStringLiteral("%1 is no byte value").arg(newValue));
    QStringList parts = byteParts(text, byte);
    parts[byte] = QString::number(newValue, 16);
    return parts.join(QLatin1Char(','));
}

} // namespace text_fields
