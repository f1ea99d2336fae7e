#include "lns/values/NumberField.h"

namespace lnssim {

namespace {

// Numbers are read into units of 10^-9: fine enough for every step, and nine integer digits
// (far beyond any value range) still fit into 64 bits.
constexpr int scaleDigits = 9;
constexpr qsizetype maxIntegerDigits = 9;

qint64 powerOfTen(int exponent)
{
    qint64 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView text, qsizetype pos)
{
    while (pos < text.size() && isAsciiDigit(text[pos]))
        ++pos;
    return pos;
}

} // namespace

NumberField::NumberField(int decimals, qint64 step, qint64 minimum, qint64 maximum,
                         std::optional<qint64> invalidValue, Fraction fraction)
    : m_decimals(decimals), m_step(step), m_minimum(minimum), m_maximum(maximum),
      m_invalidValue(invalidValue), m_fraction(fraction)
{
}

NumberField::Reading NumberField::read(QStringView text, QChar separator) const
{
    qsizetype pos = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (negative)
        ++pos;
    const qsizetype integerStart = pos;
    pos = skipDigits(text, pos);
    const QStringView integerDigits = text.sliced(integerStart, pos - integerStart);
    QStringView fractionDigits;
    if (pos < text.size() && text[pos] == separator) {
        if (m_fraction == Fraction::Refused)
            return {Check::NotANumber, 0};
        const qsizetype fractionStart = ++pos;
        pos = skipDigits(text, pos);
        fractionDigits = text.sliced(fractionStart, pos - fractionStart);
        if (fractionDigits.isEmpty())
            return {Check::NotANumber, 0};
    }
    if (integerDigits.isEmpty() || pos != text.size())
        return {Check::NotANumber, 0};

    qsizetype firstSignificant = 0;
    while (firstSignificant < integerDigits.size() && integerDigits[firstSignificant] == u'0')
        ++firstSignificant;
    const QStringView significant = integerDigits.sliced(firstSignificant);
    if (significant.size() > maxIntegerDigits)
        return {Check::OutOfRange, 0};

    qint64 scaled = 0;
    for (const QChar c : significant)
        scaled = scaled * 10 + (c.unicode() - u'0');
    for (qsizetype i = 0; i < scaleDigits; ++i)
        scaled = scaled * 10 + (i < fractionDigits.size() ? fractionDigits[i].unicode() - u'0' : 0);
    bool digitsBeyondScale = false;
    for (qsizetype i = scaleDigits; i < fractionDigits.size(); ++i)
        digitsBeyondScale = digitsBeyondScale || fractionDigits[i] != u'0';

    // A real device keeps only the raw step value, so a value between steps becomes the
    // nearest step, halves rounded away from zero.
    const qint64 scaledStep = m_step * powerOfTen(scaleDigits - m_decimals);
    qint64 steps = scaled / scaledStep;
    const qint64 rest = scaled % scaledStep;
    if (2 * rest >= scaledStep)
        ++steps;
    const bool exact = rest == 0 && !digitsBeyondScale;
    const qint64 units = (negative ? -steps : steps) * m_step;

    if (units >= m_minimum && units <= m_maximum)
        return {Check::Ok, units};
    // The invalid marker must be meant: a value that merely rounds onto it is out of range.
    if (m_invalidValue && units == *m_invalidValue && exact)
        return {Check::Ok, units};
    return {Check::OutOfRange, units};
}

QString NumberField::write(qint64 units, QChar separator) const
{
    const qint64 scale = powerOfTen(m_decimals);
    const qint64 magnitude = units < 0 ? -units : units;
    QString text = units < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / scale);
    if (m_decimals > 0)
        text += separator + QString::number(magnitude % scale).rightJustified(m_decimals, u'0');
    return text;
}

QString NumberField::allowedText(QChar separator) const
{
    QString text = write(m_minimum, separator) + QStringLiteral(" to ") + write(m_maximum, separator);
    if (m_invalidValue)
        text += QStringLiteral(", or ") + write(*m_invalidValue, separator) + QStringLiteral(" for invalid");
    return text;
}

} // namespace lnssim
