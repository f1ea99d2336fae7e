#pragma once

#include <QString>
#include <array>

// The seven fields of an nviUnitStatus value (SNVT_hvac_status): mode, heat_output_primary,
// heat_output_secondary, cool_output, econ_output, fan_output, in_alarm.
namespace unit_status_text {

constexpr int FieldCount = 7;
using Fields = std::array<QString, FieldCount>;

// Splits a value whose fields are separated by "," (decimal point "."). Throws
// std::invalid_argument when the text has fewer than seven fields.
Fields split(const QString& text);

struct Normalised
{
    // Fields joined by "," with "." as decimal point, as the object server accepts it back.
    QString value;
    // The fields as the user reads them, with decimal commas.
    Fields fields;
};

// With a decimal comma the object server's text cannot be split at "," alone: fields 1-5 each
// span an integer and a decimal part. A value that already has exactly seven fields is taken as
// normalised, so normalising a second time changes nothing. Throws std::invalid_argument for a
// text without any ",".
Normalised normaliseCommaDecimals(const QString& value);

// A field as the user typed it (decimals with `separator`) in the object server's form: "."
// as decimal point and three decimals ("5" -> "5.000", "0,5" -> "0.500"). Longer fractions keep
// their digits; an empty field stays empty.
QString normaliseField(const QString& field, const QString& separator);
// The value made of the seven fields as the user sees them: fields 1-5 normalised, 0 and 6 as they are.
QString compose(const Fields& fields, const QString& separator);
// Two values in the object server's form ("." decimals) stand for the same status: the same mode
// and alarm, the same numbers however many decimals they are written with.
bool sameStatus(const QString& value, const QString& other);

} // namespace unit_status_text
