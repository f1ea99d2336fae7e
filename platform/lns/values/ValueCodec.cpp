#include "lns/values/ValueCodec.h"

#include "host/object_server/Error.h"
#include "lns/values/NumberField.h"
#include "lns/values/TextConversion.h"

#include <algorithm>
#include <array>
#include <limits>

namespace lnssim {

namespace {

// The bytes are the value's size on the network (the LonMark SNVT list; UNVT_str_hex4 is four
// bytes of the device's own).
struct TypeEntry
{
    ValueType type;
    const char* name;
    const char* defaultValue;
    int bytes;
};

constexpr std::array<TypeEntry, 14> types{{
    {ValueType::Switch, "SNVT_switch", "0.0 0", 2},
    {ValueType::TempP, "SNVT_temp_p", "0.00", 2},
    {ValueType::LevPercent, "SNVT_lev_percent", "0.000", 2},
    {ValueType::LevCont, "SNVT_lev_cont", "0.0", 1},
    {ValueType::TimeSec, "SNVT_time_sec", "0.0", 2},
    {ValueType::TimeMin, "SNVT_time_min", "0", 2},
    {ValueType::Count, "SNVT_count", "0", 2},
    {ValueType::HvacStatus, "SNVT_hvac_status", "HVAC_AUTO,0.000,0.000,0.000,0.000,0.000,0", 12},
    {ValueType::State, "SNVT_state", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", 2},
    {ValueType::Occupancy, "SNVT_occupancy", "OC_NUL", 1},
    {ValueType::Scene, "SNVT_scene", "SC_NUL 0", 2},
    {ValueType::Setting, "SNVT_setting", "SET_NUL 0.0 0.00", 4},
    // All zero is the time stamp's "not set".
    {ValueType::TimeStamp, "SNVT_time_stamp", "0/0/0 0:0:0", 7},
    {ValueType::StrHex4, "UNVT_str_hex4", "0,0,0,0", 4},
}};

const TypeEntry& entryOf(ValueType type)
{
    for (const TypeEntry& entry : types) {
        if (entry.type == type)
            return entry;
    }
    throw lns::Error(lns::errors::BadArgument, QStringLiteral("unknown value type %1").arg(int(type)));
}

QChar separatorFrom(const QString& decimalSeparator)
{
    return decimalSeparator == QLatin1String(".") ? u'.' : u',';
}

const NumberField& tempField()
{
    static const NumberField field(2, 1, -27317, 32766, 32767);
    return field;
}

const NumberField& percentField()
{
    static const NumberField field(3, 5, -163840, 163830, 163835);
    return field;
}

// SNVT_switch value, SNVT_lev_cont and the SNVT_setting level: 0 to 100 in half percent.
const NumberField& halfPercentField()
{
    static const NumberField field(1, 5, 0, 1000);
    return field;
}

const NumberField& byteField()
{
    static const NumberField field(0, 1, 0, 255);
    return field;
}

QString numberType(const TextConversion& conversion, const NumberField& field)
{
    const qint64 units = conversion.number(field, conversion.text(), conversion.inputSeparator(),
                                           conversion.numberExpectation(), QString());
    return field.write(units, conversion.outputSeparator());
}

QString switchType(const TextConversion& conversion)
{
    static const NumberField state(0, 1, -1, 1, std::nullopt, NumberField::Fraction::Refused);
    const QChar in = conversion.inputSeparator();
    const QString expected =
        QStringLiteral("a value with \"") + in +
        QStringLiteral("\" as decimal separator, a blank and the state -1, 0 or 1, such as \"100") + in +
        QStringLiteral("0 1\"");
    const QStringList items = conversion.blankSeparatedItems();
    if (items.size() != 2)
        conversion.invalid(expected);
    const qint64 value =
        conversion.number(halfPercentField(), items[0], in, expected, QStringLiteral("value"));
    const qint64 stateValue = conversion.number(state, items[1], in, expected, QStringLiteral("state"));
    return halfPercentField().write(value, conversion.outputSeparator()) + u' ' + QString::number(stateValue);
}

QString hvacStatusType(const TextConversion& conversion)
{
    static const QStringList modes{
        QStringLiteral("HVAC_AUTO"),        QStringLiteral("HVAC_HEAT"),
        QStringLiteral("HVAC_MRNG_WRMUP"),  QStringLiteral("HVAC_COOL"),
        QStringLiteral("HVAC_NIGHT_PURGE"), QStringLiteral("HVAC_PRE_COOL"),
        QStringLiteral("HVAC_OFF"),         QStringLiteral("HVAC_TEST"),
        QStringLiteral("HVAC_EMERG_HEAT"),  QStringLiteral("HVAC_FAN_ONLY"),
        QStringLiteral("HVAC_FREE_COOL"),   QStringLiteral("HVAC_ICE"),
        QStringLiteral("HVAC_MAX_HEAT"),    QStringLiteral("HVAC_ECONOMY"),
        QStringLiteral("HVAC_DEHUMID"),     QStringLiteral("HVAC_CALIBRATE"),
        QStringLiteral("HVAC_EMERG_COOL"),  QStringLiteral("HVAC_EMERG_STEAM"),
        QStringLiteral("HVAC_MAX_COOL"),    QStringLiteral("HVAC_HVC_LOAD"),
        QStringLiteral("HVAC_NO_LOAD"),     QStringLiteral("HVAC_NUL"),
    };
    constexpr int outputCount = 5;
    const bool commaDecimals = conversion.inputSeparator() == u',';
    QString expected = QStringLiteral("a mode such as HVAC_AUTO, five outputs and in_alarm joined by \",\", "
                                      "such as \"HVAC_AUTO,0.000,0.000,0.000,0.000,0.000,0\"");
    if (commaDecimals)
        expected += QStringLiteral(" or \"HVAC_AUTO,0,000,0,000,0,000,0,000,0,000,0\"");

    QStringList items = conversion.text().split(u',');
    for (QString& item : items)
        item = item.trimmed();
    // The outputs are written with "." by clients in any locale (seven fields); with a comma
    // decimal separator the object server's own form has an integer and a decimal item per output.
    QChar outputSeparator = u'.';
    if (commaDecimals && items.size() == 2 + 2 * outputCount) {
        for (int k = 0; k < outputCount; ++k)
            items[1 + k] = items[1 + 2 * k] + u',' + items[2 + 2 * k];
        items[1 + outputCount] = items.last();
        items.resize(2 + outputCount);
        outputSeparator = u',';
    }
    if (items.size() != 2 + outputCount)
        conversion.invalid(expected);

    QString result = conversion.name(items[0], modes, expected);
    for (int k = 1; k <= outputCount; ++k) {
        const qint64 output =
            conversion.number(percentField(), items[k], outputSeparator, expected, QStringLiteral("outputs"));
        result += u',' + percentField().write(output, conversion.outputSeparator());
    }
    const qint64 alarm =
        conversion.number(byteField(), items.last(), outputSeparator, expected, QStringLiteral("in_alarm"));
    return result + u',' + QString::number(alarm);
}

QString stateType(const TextConversion& conversion)
{
    constexpr qsizetype bitCount = 16;
    const QStringList items = conversion.blankSeparatedItems();
    const bool valid =
        items.size() == bitCount && std::all_of(items.begin(), items.end(), [](const QString& item) {
            return item == QLatin1String("0") || item == QLatin1String("1");
        });
    if (!valid)
        conversion.invalid(QStringLiteral("sixteen digits 0 or 1 separated by blanks, bit 0 first"));
    return items.join(u' ');
}

QString occupancyType(const TextConversion& conversion)
{
    static const QStringList names{QStringLiteral("OC_OCCUPIED"), QStringLiteral("OC_UNOCCUPIED"),
                                   QStringLiteral("OC_BYPASS"), QStringLiteral("OC_STANDBY"),
                                   QStringLiteral("OC_NUL")};
    return conversion.name(conversion.text(), names,
                           QStringLiteral("one of ") + names.join(QStringLiteral(", ")));
}

QString sceneType(const TextConversion& conversion)
{
    static const QStringList functions{QStringLiteral("SC_RECALL"), QStringLiteral("SC_LEARN"),
                                       QStringLiteral("SC_ENABLE"), QStringLiteral("SC_DISABLE"),
                                       QStringLiteral("SC_CLEAR"),  QStringLiteral("SC_NUL")};
    const QString expected = QStringLiteral("a function (") + functions.join(QStringLiteral(", ")) +
                             QStringLiteral("), a blank and a scene number, such as \"SC_RECALL 1\"");
    const QStringList items = conversion.blankSeparatedItems();
    if (items.size() != 2)
        conversion.invalid(expected);
    const QString function = conversion.name(items[0], functions, expected);
    const qint64 scene = conversion.number(byteField(), items[1], conversion.inputSeparator(), expected,
                                           QStringLiteral("scene number"));
    return function + u' ' + QString::number(scene);
}

QString settingType(const TextConversion& conversion)
{
    static const QStringList functions{QStringLiteral("SET_OFF"),  QStringLiteral("SET_ON"),
                                       QStringLiteral("SET_DOWN"), QStringLiteral("SET_UP"),
                                       QStringLiteral("SET_STOP"), QStringLiteral("SET_STATE"),
                                       QStringLiteral("SET_NUL")};
    // The rotation is an angle in steps of 0.02 degrees.
    static const NumberField rotation(2, 2, -35998, 36000);
    const QChar in = conversion.inputSeparator();
    const QChar out = conversion.outputSeparator();
    const QString expected =
        QStringLiteral("a function (") + functions.join(QStringLiteral(", ")) +
        QStringLiteral("), a setting and a rotation with \"") + in +
        QStringLiteral("\" as decimal separator, separated by blanks, such as \"SET_ON 100") + in +
        QStringLiteral("0 0") + in + QStringLiteral("00\"");
    const QStringList items = conversion.blankSeparatedItems();
    if (items.size() != 3)
        conversion.invalid(expected);
    const QString function = conversion.name(items[0], functions, expected);
    const qint64 level =
        conversion.number(halfPercentField(), items[1], in, expected, QStringLiteral("setting"));
    const qint64 angle = conversion.number(rotation, items[2], in, expected, QStringLiteral("rotation"));
    return function + u' ' + halfPercentField().write(level, out) + u' ' + rotation.write(angle, out);
}

bool isLeapYear(qint64 year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

qint64 daysInMonth(qint64 year, qint64 month)
{
    static constexpr std::array<qint64, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

QString timeStampType(const TextConversion& conversion)
{
    const QString expected = QStringLiteral("year/month/day hour:minute:second, such as \"2006/1/1 0:0:0\"");
    const QStringList parts = conversion.blankSeparatedItems();
    if (parts.size() != 2)
        conversion.invalid(expected);
    const QStringList date = parts[0].split(u'/');
    const QStringList time = parts[1].split(u':');
    if (date.size() != 3 || time.size() != 3)
        conversion.invalid(expected);

    static const NumberField digits(0, 1, 0, 999999999, std::nullopt, NumberField::Fraction::Refused);
    // A number too long to hold is beyond every field's range and is reported as such below.
    const auto read = [&](const QString& item) {
        const NumberField::Reading reading = digits.read(item, u'.');
        if (reading.check == NumberField::Check::NotANumber)
            conversion.invalid(expected);
        return reading.check == NumberField::Check::Ok ? reading.units : std::numeric_limits<qint64>::max();
    };
    const qint64 year = read(date[0]);
    const qint64 month = read(date[1]);
    const qint64 day = read(date[2]);
    const qint64 hour = read(time[0]);
    const qint64 minute = read(time[1]);
    const qint64 second = read(time[2]);

    const auto check = [&](bool inRange, const QString& allowed) {
        if (!inRange)
            conversion.outOfRange(allowed);
    };
    const bool notSet = year == 0 && month == 0 && day == 0 && hour == 0 && minute == 0 && second == 0;
    if (!notSet) {
        check(year <= 3000, QStringLiteral("year allowed 0 to 3000"));
        check(month >= 1 && month <= 12, QStringLiteral("month allowed 1 to 12 (all fields 0 for not set)"));
        const qint64 lastDay = daysInMonth(year, month);
        check(day >= 1 && day <= lastDay,
              QStringLiteral("day allowed 1 to %1 in month %2 of year %3").arg(lastDay).arg(month).arg(year));
        check(hour <= 23, QStringLiteral("hour allowed 0 to 23"));
        check(minute <= 59, QStringLiteral("minute allowed 0 to 59"));
        check(second <= 59, QStringLiteral("second allowed 0 to 59"));
    }
    return QStringLiteral("%1/%2/%3 %4:%5:%6")
        .arg(year)
        .arg(month)
        .arg(day)
        .arg(hour)
        .arg(minute)
        .arg(second);
}

QString strHex4Type(const TextConversion& conversion)
{
    const QString expected = QStringLiteral("four hexadecimal bytes joined by \",\", such as \"2,ff,2,0\"");
    QStringList items = conversion.text().split(u',');
    if (items.size() != 4)
        conversion.invalid(expected);
    for (QString& item : items) {
        item = item.trimmed();
        const bool hexDigits = !item.isEmpty() && std::all_of(item.cbegin(), item.cend(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        });
        if (!hexDigits)
            conversion.invalid(expected);
        // Without its leading zeros a byte has at most two digits; judging by length never overflows.
        qsizetype first = 0;
        while (first < item.size() - 1 && item[first] == u'0')
            ++first;
        const QStringView significant = QStringView(item).sliced(first);
        if (significant.size() > 2)
            conversion.outOfRange(QStringLiteral("each byte allowed 0 to ff"));
        item = QString::number(significant.toUInt(nullptr, 16), 16);
    }
    return items.join(u',');
}

QString convert(ValueType type, const QString& text, QChar inputSeparator, QChar outputSeparator)
{
    const TextConversion conversion(type, text, inputSeparator, outputSeparator);
    switch (type) {
    case ValueType::Switch:
        return switchType(conversion);
    case ValueType::TempP:
        return numberType(conversion, tempField());
    case ValueType::LevPercent:
        return numberType(conversion, percentField());
    case ValueType::LevCont:
        return numberType(conversion, halfPercentField());
    case ValueType::TimeSec: {
        static const NumberField field(1, 1, 0, 65534);
        return numberType(conversion, field);
    }
    case ValueType::TimeMin:
    case ValueType::Count: {
        static const NumberField field(0, 1, 0, 65535);
        return numberType(conversion, field);
    }
    case ValueType::HvacStatus:
        return hvacStatusType(conversion);
    case ValueType::State:
        return stateType(conversion);
    case ValueType::Occupancy:
        return occupancyType(conversion);
    case ValueType::Scene:
        return sceneType(conversion);
    case ValueType::Setting:
        return settingType(conversion);
    case ValueType::TimeStamp:
        return timeStampType(conversion);
    case ValueType::StrHex4:
        return strHex4Type(conversion);
    }
    throw lns::Error(lns::errors::BadArgument, QStringLiteral("unknown value type %1").arg(int(type)));
}

} // namespace

namespace value_codec {

std::optional<ValueType> typeFromName(const QString& typeName)
{
    for (const TypeEntry& entry : types) {
        if (typeName == QLatin1String(entry.name))
            return entry.type;
    }
    return std::nullopt;
}

QString typeName(ValueType type)
{
    return QLatin1String(entryOf(type).name);
}

QString defaultValue(ValueType type)
{
    return QLatin1String(entryOf(type).defaultValue);
}

int bytes(ValueType type)
{
    return entryOf(type).bytes;
}

QString format(ValueType type, const QString& stored, const QString& decimalSeparator)
{
    try {
        return convert(type, stored, u'.', separatorFrom(decimalSeparator));
    } catch (const lns::Error& error) {
        // A stored value is never bad unless the database was changed behind our back.
        throw lns::Error(error.number(),
                         QStringLiteral("the stored value cannot be read: ") + error.description());
    }
}

QString parse(ValueType type, const QString& text, const QString& decimalSeparator)
{
    return convert(type, text, separatorFrom(decimalSeparator), u'.');
}

} // namespace value_codec

} // namespace lnssim
