#pragma once

#include "device/point_catalogue/PointCatalogue.h"
#include "editors/KeyRules.h"

#include <array>
#include <optional>

// The numeric CP fields txtNci(i): which keys they take, the limits of the up/down control beside
// them and how far one click moves them. The command-line tool checks a file's values against the
// same limits before it writes any device.
namespace cp_field_rules {

struct Range
{
    int minimum;
    int maximum;
};

// The fan stages list offers 1 to 3.
constexpr Range FanStages{1, 3};
// The device types (buttons fitted) the device type list offers, in its order.
constexpr std::array<int, 5> DeviceTypes{2, 4, 6, 8, 12};

key_rules::KeyClass keyClass(int index);
// The limits of the field's up/down control; none for the fields without one (0-3, 5, 6, 63).
std::optional<Range> limits(int index);
// The step of fields other than the offset range, which steps by whatever UCPTspEditDelta holds.
double step(int index);

} // namespace cp_field_rules
