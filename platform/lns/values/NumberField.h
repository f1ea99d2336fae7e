#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

namespace lnssim {

// A fixed-point number inside a value's text form. Values are counted in units of
// 10^-decimals and are whole multiples of the step; they are read exactly from their
// digits, so no binary rounding ever shifts a value to a neighbouring step.
class NumberField final
{
public:
    // Whether digits after the decimal separator are accepted (and rounded to the step).
    enum class Fraction
    {
        Rounded,
        Refused
    };
    enum class Check
    {
        Ok,
        NotANumber,
        OutOfRange
    };
    struct Reading
    {
        Check check;
        qint64 units;
    };

    NumberField(int decimals, qint64 step, qint64 minimum, qint64 maximum,
                std::optional<qint64> invalidValue = std::nullopt, Fraction fraction = Fraction::Rounded);

    // Reads an optional "-", digits and, if allowed, the separator followed by digits.
    Reading read(QStringView text, QChar separator) const;
    QString write(qint64 units, QChar separator) const;
    // "-273,17 to 327,66, or 327,67 for invalid"
    QString allowedText(QChar separator) const;

private:
    int m_decimals;
    qint64 m_step;
    qint64 m_minimum;
    qint64 m_maximum;
    std::optional<qint64> m_invalidValue;
    Fraction m_fraction;
};

} // namespace lnssim
