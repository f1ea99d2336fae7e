#include "editors/CpFieldRules.h"

namespace cp_field_rules {

namespace {

constexpr int FirstSwitchField = 7;
constexpr int LastSwitchField = 54;
constexpr int FieldsPerSwitch = 6;
constexpr int MinSendTimeSlot = 2;
constexpr int StepValueSlot = 3;

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
