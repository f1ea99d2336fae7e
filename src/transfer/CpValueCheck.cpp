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

Expected<void> checkNumber(const QString& text, double value, cp_field_rules::Range range)
{
    if (value < range.minimum || value > range.maximum)
        return Failure{outside(text, range)};
    return {};
}

// Four hexadecimal bytes joined by commas ("a,1,0,0").
Expected<void> checkHexBytes(const QString& text)
{
    const Failure notHex{QStringLiteral("\"%1\" is not a list of four hexadecimal bytes").arg(text)};
    try {
        for (int byte = 0; byte < HexBytes; ++byte) {
            if (text_fields::HexByteField(text, byte) > 0xff)
                return notHex;
        }
    } catch (const BadValue&) {
        return notHex;
    }
    return {};
}

// Sixteen bit digits, one blank between each two.
Expected<void> checkBitList(const QString& text)
{
    static const QRegularExpression bits(QStringLiteral("^[01]( [01]){15}$"));
    if (!bits.match(text).hasMatch())
        return Failure{QStringLiteral("\"%1\" is not a list of sixteen bits").arg(text)};
    return {};
}

Expected<void> checkWholeNumber(const QString& text, const QString& separator, cp_field_rules::Range range)
{
    const std::optional<double> value = number_text::parse(text, separator);
    if (!value || *value != static_cast<int>(*value))
        return Failure{QStringLiteral("\"%1\" is not a whole number").arg(text)};
    return checkNumber(text, *value, range);
}

} // namespace

Expected<void> check(int position, int element, const QString& text, const QString& separator)
{
    if (position == cp::TimeConfig || position == cp::DiConfig)
        return checkHexBytes(text);
    if (position == cp::DisplConfig)
        return checkBitList(text);
    if (position == cp::DeviceType) {
        const std::optional<double> value = number_text::parse(text, separator);
        const auto& types = cp_field_rules::DeviceTypes;
        if (!value || std::find(types.begin(), types.end(), *value) == types.end())
            return Failure{QStringLiteral("\"%1\" is no device type (2, 4, 6, 8 or 12 buttons)").arg(text)};
        return {};
    }
    if (position == cp::FanSpdStages)
        return checkWholeNumber(text, separator, cp_field_rules::FanStages);
    if (position == cp::BacklightMin || position == cp::BacklightMax) {
        const int field = cp::backlightBox(position, element);
        const std::optional<double> value = DeviceTransfer::backlightNumber(text);
        if (!value)
            return Failure{QStringLiteral("\"%1\" is not a number").arg(text)};
        return checkNumber(text, *value, *cp_field_rules::limits(field));
    }
    const std::optional<cp_field_rules::Range> limits = cp_field_rules::limits(position);
    const std::optional<double> value = number_text::parse(text, separator);
    if (!value)
        return Failure{
            QStringLiteral("\"%1\" is not a number with the decimal separator \"%2\"").arg(text, separator)};
    if (limits)
        return checkNumber(text, *value, *limits);
    return {};
}

} // namespace cp_value_check
