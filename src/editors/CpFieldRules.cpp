#include "editors/CpFieldRules.h"

namespace cp_field_rules {

namespace {

constexpr int FirstSwitchField = 7;
constexpr int LastSwitchField = 54;
constexpr int FieldsPerSwitch = 6;
constexpr int MaxOutSlot = 0;
constexpr int MinSendTimeSlot = 2;
constexpr int StepValueSlot = 3;
constexpr int LastBacklightField = 103;
constexpr Range Percent{0, 100};
constexpr Range SendTime{0, 6500};

// The slot of a switch object's field (0 MaxOut ... 5 Drive Time), or -1 outside the switch fields.
int switchSlot(int index)
{
    if (index < FirstSwitchField || index > LastSwitchField)
        return -1;
    return (index - FirstSwitchField) % FieldsPerSwitch;
}

} // namespace

key_rules::KeyClass keyClass(int index)
{
    using key_rules::KeyClass;
    const int slot = switchSlot(index);
    if (slot == MinSendTimeSlot || slot == StepValueSlot)
        return KeyClass::Decimal;
    if (index == 59)
        return KeyClass::SignedDecimal;
    if (index == 58 || index == 60 || index == OffsetRangeField || index == StepValueField)
        return KeyClass::Decimal;
    return KeyClass::Digits;
}

std::optional<Range> limits(int index)
{
    const int slot = switchSlot(index);
    if (slot == MaxOutSlot || slot == StepValueSlot)
        return Percent;
    if (slot >= 0)
        return SendTime;
    if (index >= FirstBacklightField && index <= LastBacklightField)
        return Percent;
    switch (index) {
    case 4:
        return Range{0, 1000};
    case 55:
    case 56:
    case 57:
    case 64:
        return SendTime;
    case 58:
        return Range{0, 10};
    case 59:
        return Range{-20, 20};
    case 60:
        return Range{0, 50};
    case OffsetRangeField:
    case StepValueField:
        return Range{0, 20};
    default:
        return std::nullopt;
    }
}

double step(int index)
{
    const int slot = switchSlot(index);
    if (slot == StepValueSlot)
        return 0.5;
    if (slot == MinSendTimeSlot || index == 58 || index == 59 || index == 60 || index == StepValueField)
        return 0.1;
    return 1.0;
}

} // namespace cp_field_rules
