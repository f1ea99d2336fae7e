#pragma once

#include <QString>

// Single bits and bytes inside the object server's formatted values. Malformed input
// (a text too short for the position, a part that is not hexadecimal, a position out of
// range) throws std::invalid_argument, so a caller's error trap skips the step.
namespace text_fields {

// 16-digit bit list "d d d ... d" (31 characters). Reading returns the digit as a one-character
// text; writing returns the text with that digit replaced ("1" for newBit true, else "0").
// fromRight: bit 0 is the last digit; otherwise the first.
QString BitField(const QString& text, bool write, int bit, bool newBit, bool fromRight);

// Four hexadecimal bytes joined by ",". Reading returns byte `byte` (0..3) as a number.
double HexByteField(const QString& text, int byte);
// Writing replaces byte `byte` by newValue in lower-case hex without leading zeros and keeps
// the other parts exactly as they were.
QString HexByteField(const QString& text, int byte, int newValue);

} // namespace text_fields
