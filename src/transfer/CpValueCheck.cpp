#include "transfer/CpValueCheck.h"

#include "device/TextFields.h"
#include "device/point_catalogue/PointCatalogue.h"
#include "editors/CpFieldRules.h"
#include "editors/NumberText.h"
#include "host/BadValue.h"
#include "transfer/DeviceTransfer.h"

#include <QRegularExpression>
#include <algorithm>

namespace cp_value_check {

namespace {

using namespace point_catalogue;

constexpr int HexBytes = 4;

QString outside(const QString& text, cp_field_rules::Range range)
{
    return QStringLiteral("\"%1\" is outside %2 to %3").arg(text).arg(range.minimum).arg(range.maximum);
}

QString numberProblem(const QString& text, double value, cp_field_rules::Range range)
{
    return value < range.minimum || value > range.maximum ? outside(text, range) : QString();
}

// Four hexadecimal bytes joined by commas ("a,1,0,0").
QString hexBytesProblem(const QString& text)
{
    try {
        for (int byte = 0; byte < HexBytes; ++byte) {
            if (text_fields::HexByteField(text, byte) > 0xff)
                return QStringLiteral("\"%1\" is not a list of four hexadecimal bytes").arg(text);
        }
    } catch (const BadValue&) {
        return QStringLiteral("\"%1\" is not a list of four hexadecimal bytes").arg(text);
    }
    return QString();
}

// Sixteen bit digits, one blank between each two.
QString bitListProblem(const QString& text)
{
    static const QRegularExpression bits(QStringLiteral("^[01]( [01]){15}$"));
    return bits.match(text).hasMatch() ? QString()
                                       : QStringLiteral("\"%1\" is not a list of sixteen bits").arg(text);
}

QString wholeNumberProblem(const QString& text, const QString& separator, cp_field_rules::Range range)
{
    const std::optional<double> value = number_text::parse(text, separator);
    if (!value || *value != static_cast<int>(*value))
        return QStringLiteral("\"%1\" is not a whole number").arg(text);
    return numberProblem(text, *value, range);
}

} // namespace

QString problem(int position, int element, const QString& text, const QString& separator)
{
    if (position == cp::TimeConfig || position == cp::DiConfig)
        return hexBytesProblem(text);
    if (position == cp::DisplConfig)
        return bitListProblem(text);
    if (position == cp::DeviceType) {
        const std::optional<double> value = number_text::parse(text, separator);
        const auto& types = cp_field_rules::DeviceTypes;
        if (!value || std::find(types.begin(), types.end(), *value) == types.end())
            return QStringLiteral("\"%1\" is no device type (2, 4, 6, 8 or 12 buttons)").arg(text);
        return QString();
    }
    if (position == cp::FanSpdStages)
        return wholeNumberProblem(text, separator, cp_field_rules::FanStages);
    if (position == cp::BacklightMin || position == cp::BacklightMax) {
        const int field = cp::backlightBox(position, element);
        const std::optional<double> value = DeviceTransfer::backlightNumber(text);
        if (!value)
            return QStringLiteral("\"%1\" is not a number").arg(text);
        return numberProblem(text, *value, *cp_field_rules::limits(field));
    }
    const std::optional<cp_field_rules::Range> limits = cp_field_rules::limits(position);
    const std::optional<double> value = number_text::parse(text, separator);
    if (!value)
        return QStringLiteral("\"%1\" is not a number with the decimal separator \"%2\"")
            .arg(text, separator);
    return limits ? numberProblem(text, *value, *limits) : QString();
}

} // namespace cp_value_check
