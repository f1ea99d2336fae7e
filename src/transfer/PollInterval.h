#pragma once

#include <QString>
#include <optional>

// The monitoring poll interval: the seconds typed into txtPoll, with the user's decimal
// separator, as the tenths of a second the object server polls by.
namespace poll_interval {

// The text as whole tenths, rounded half to even; none for a text that is not a number, a
// negative number, or more tenths than a 32-bit count holds.
std::optional<qint32> tenths(const QString& text, const QString& separator);

} // namespace poll_interval
