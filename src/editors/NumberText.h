#pragma once

#include <QString>
#include <optional>

// Numbers as the editors show them: read only with the user's decimal separator (never a
// thousands separator), written with up to 15 significant digits and never in exponent form.
namespace number_text {

// The number a field's text stands for, or none for a text that is not a complete number.
std::optional<double> parse(const QString& text, const QString& separator);
// A text on its way to a number while it is typed: empty, a lone "-", a lone separator or "-"
// followed by the separator.
bool isIncomplete(const QString& text, const QString& separator);
// x with up to 15 significant digits and the separator; whole numbers have no decimals.
QString format(double x, const QString& separator);

// The field compares equal to its reference as numbers when both are numbers, else as texts.
bool sameValue(const QString& text, const QString& reference, const QString& separator);

// One up/down step from x by s inside [minimum, maximum]: a step that would leave the range
// lands on the limit.
double stepUp(double x, double s, double maximum);
double stepDown(double x, double s, double minimum);

} // namespace number_text
