#include "editors/NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace number_text {

namespace {

constexpr int SignificantDigits = 15;

// Digits with at most one separator among them and an optional leading minus.
QRegularExpression numberPattern(const QString& separator)
{
    return QRegularExpression(
        QStringLiteral("^-?[0-9]*(?:%1[0-9]*)?$").arg(QRegularExpression::escape(separator)));
}

} // namespace

std::optional<double> parse(const QString& text, const QString& separator)
{
    if (separator.isEmpty() || !numberPattern(separator).match(text).hasMatch())
        return std::nullopt;
    if (!text.contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return std::nullopt;
    QString point = text;
    point.replace(separator, QStringLiteral("."));
    if (point.endsWith(QLatin1Char('.')))
        point.chop(1);
    if (point.startsWith(QLatin1Char('.')) || point.startsWith(QLatin1String("-.")))
        point.insert(point.indexOf(QLatin1Char('.')), QLatin1Char('0'));
    bool ok = false;
    const double value = QLocale::c().toDouble(point, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool isIncomplete(const QString& text, const QString& separator)
{
    return text.isEmpty() || text == QLatin1String("-") || text == separator ||
           text == QLatin1Char('-') + separator;
}

QString format(double x, const QString& separator)
{
    if (x == 0.0 || !std::isfinite(x))
        return QStringLiteral("0");
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(x))));
    const int decimals = std::max(0, SignificantDigits - 1 - magnitude);
    QString text = QLocale::c().toString(x, 'f', decimals);
    text.remove(QLatin1Char(','));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    text.replace(QLatin1Char('.'), separator);
    return text;
}

bool sameValue(const QString& text, const QString& reference, const QString& separator)
{
    const std::optional<double> number = parse(text, separator);
    const std::optional<double> referenceNumber = parse(reference, separator);
    if (number && referenceNumber)
        return *number == *referenceNumber;
    return text == reference;
}

double stepUp(double x, double s, double maximum)
{
    return x <= maximum - s ? x + s : maximum;
}

double stepDown(double x, double s, double minimum)
{
    return x >= minimum + s ? x - s : minimum;
}

} // namespace number_text
