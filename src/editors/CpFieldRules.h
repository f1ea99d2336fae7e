#pragma once

#include "editors/KeyRules.h"

// The numeric CP fields txtNci(i): which keys they take and how far one up/down click moves them.
// Their limits are those of the up/down control beside them.
namespace cp_field_rules {

// Offset range steps by whatever the step value field (62) holds.
constexpr int OffsetRangeField = 61;
constexpr int StepValueField = 62;

key_rules::KeyClass keyClass(int index);
// The step of fields other than the offset range.
double step(int index);

} // namespace cp_field_rules
