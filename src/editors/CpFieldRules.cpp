#include "editors/CpFieldRules.h"

namespace cp_field_rules {

namespace {

using namespace point_catalogue;

constexpr Range Percent{0, 100};
constexpr Range SendTime{0, 6500};

// The slot of a switch object's field (0 MaxOut ... 5 Drive Time), or -1 outside the switch fields.
int switchSlot(int index)
{
    if (index < cp::FirstSwitch || index > cp::LastSwitch)
        return -1;
    return (index - cp::FirstSwitch) % cp::PerSwitch;
}

} // namespace

key_rules::KeyClass keyClass(int index)
{
    using key_rules::KeyClass;
    const int slot = switchSlot(index);
    if (slot == cp::MinSendTime || slot == cp::StepValue)
        return KeyClass::Decimal;
    if (index == cp::OffsetTemp)
        return KeyClass::SignedDecimal;
    if (index == cp::MinDeltaTemp || index == cp::Setpoint || index == cp::SpOffsetRng ||
        index == cp::SpEditDelta)
        return KeyClass::Decimal;
    return KeyClass::Digits;
}

std::optional<Range> limits(int index)
{
    const int slot = switchSlot(index);
    if (slot == cp::MaxOut || slot == cp::StepValue)
        return Percent;
    if (slot >= 0)
        return SendTime;
    if (index >= cp::BacklightMinBoxes && index <= cp::LastBacklightBox)
        return Percent;
    switch (index) {
    case cp::DisplayTime:
        return Range{0, 1000};
    case cp::OccupancyMaxSendTime:
    case cp::OccupancyBypassTime:
    case cp::SpaceTempMinSendTime:
    case cp::CommandModuleMaxSendTime:
        return SendTime;
    case cp::MinDeltaTemp:
        return Range{0, 10};
    case cp::OffsetTemp:
        return Range{-20, 20};
    case cp::Setpoint:
        return Range{0, 50};
    case cp::SpOffsetRng:
    case cp::SpEditDelta:
        return Range{0, 20};
    default:
        return std::nullopt;
    }
}

double step(int index)
{
    const int slot = switchSlot(index);
    if (slot == cp::StepValue)
        return 0.5;
    if (slot == cp::MinSendTime || index == cp::MinDeltaTemp || index == cp::OffsetTemp ||
        index == cp::Setpoint || index == cp::SpEditDelta)
        return 0.1;
    return 1.0;
}

} // namespace cp_field_rules
