#pragma once

#include <QString>
#include <optional>

namespace lnssim {

// The value types of the simulated devices.
enum class ValueType
{
    Switch,     // SNVT_switch
    TempP,      // SNVT_temp_p
    LevPercent, // SNVT_lev_percent
    LevCont,    // SNVT_lev_cont
    TimeSec,    // SNVT_time_sec
    TimeMin,    // SNVT_time_min
    Count,      // SNVT_count
    HvacStatus, // SNVT_hvac_status
    State,      // SNVT_state
    Occupancy,  // SNVT_occupancy
    Scene,      // SNVT_scene
    Setting,    // SNVT_setting
    TimeStamp,  // SNVT_time_stamp
    StrHex4,    // UNVT_str_hex4
};

// Converts between a type's stored form and the text the object server hands out.
// The stored form is the formatted text with "." as decimal separator; it is what the
// network database keeps. Parsing fails with lns::Error (InvalidValue or OutOfRange, with a
// description naming the type and the offending text) and then nothing is to be stored.
namespace value_codec {

std::optional<ValueType> typeFromName(const QString& typeName);
QString typeName(ValueType type);
// A sensible default stored value for the type.
QString defaultValue(ValueType type);
// The value's size on the network in bytes.
int bytes(ValueType type);
// Stored form -> text with the given decimal separator.
QString format(ValueType type, const QString& stored, const QString& decimalSeparator);
// Text written by a client (with the given decimal separator) -> stored form; throws lns::Error.
QString parse(ValueType type, const QString& text, const QString& decimalSeparator);

} // namespace value_codec

} // namespace lnssim
