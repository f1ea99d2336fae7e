#pragma once

#include "host/Expected.h"

#include <QString>

// Whether a value may go to a CP: the text parses as the CP's type and lies within the limits the
// window's editor holds that field to. A device refuses a value only when it is written, after
// others were; checking every value first keeps a device from being left half-written.
namespace cp_value_check {

// Whether `text` can go to the CP at a catalogue position (`element` for the array CPs, -1 for a
// whole value); if not, why, in words for a person. `text` is what would be written, except that
// backlight elements are given as stored (the transfer takes their leading number).
Expected<void> check(int position, int element, const QString& text, const QString& separator);

} // namespace cp_value_check
