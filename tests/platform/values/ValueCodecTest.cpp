#include "lns/values/ValueCodec.h"

#include "host/object_server/Error.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using lnssim::ValueType;
namespace codec = lnssim::value_codec;

namespace {

const QString comma = QStringLiteral(",");
const QString dot = QStringLiteral(".");

const std::vector<ValueType> allTypes{
    ValueType::Switch,  ValueType::TempP,   ValueType::LevPercent, ValueType::LevCont, ValueType::TimeSec,
    ValueType::TimeMin, ValueType::Count,   ValueType::HvacStatus, ValueType::State,   ValueType::Occupancy,
    ValueType::Scene,   ValueType::Setting, ValueType::TimeStamp,  ValueType::StrHex4,
};

// The error a parse throws; a parse that succeeds fails the test.
lns::Error parseError(ValueType type, const QString& text, const QString& separator)
{
    try {
        const QString stored = codec::parse(type, text, separator);
        ADD_FAILURE() << "accepted \"" << text.toStdString() << "\" as \"" << stored.toStdString() << "\"";
    } catch (const lns::Error& error) {
        return error;
    }
    return lns::Error(0, QString());
}

struct Canonical
{
    ValueType type;
    const char* withComma;
    const char* withDot;
};

class CanonicalTextTest : public testing::TestWithParam<Canonical>
{
};

TEST_P(CanonicalTextTest, roundTripsInBothSeparators)
{
    const Canonical& c = GetParam();
    const QString withComma = QString::fromUtf8(c.withComma);
    const QString withDot = QString::fromUtf8(c.withDot);

    EXPECT_EQ(codec::parse(c.type, withDot, dot), withDot);
    EXPECT_EQ(codec::parse(c.type, withComma, comma), withDot);
    EXPECT_EQ(codec::format(c.type, withDot, comma), withComma);
    EXPECT_EQ(codec::format(c.type, withDot, dot), withDot);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, CanonicalTextTest,
    testing::Values(
        Canonical{ValueType::Switch, "100,0 1", "100.0 1"}, Canonical{ValueType::Switch, "0,0 -1", "0.0 -1"},
        Canonical{ValueType::Switch, "50,5 0", "50.5 0"}, Canonical{ValueType::TempP, "22,00", "22.00"},
        Canonical{ValueType::TempP, "-273,17", "-273.17"}, Canonical{ValueType::TempP, "327,66", "327.66"},
        Canonical{ValueType::TempP, "327,67", "327.67"}, Canonical{ValueType::TempP, "-0,05", "-0.05"},
        Canonical{ValueType::LevPercent, "-163,840", "-163.840"},
        Canonical{ValueType::LevPercent, "163,830", "163.830"},
        Canonical{ValueType::LevPercent, "163,835", "163.835"},
        Canonical{ValueType::LevPercent, "12,345", "12.345"}, Canonical{ValueType::LevCont, "99,5", "99.5"},
        Canonical{ValueType::LevCont, "0,0", "0.0"}, Canonical{ValueType::TimeSec, "12,0", "12.0"},
        Canonical{ValueType::TimeSec, "6553,4", "6553.4"}, Canonical{ValueType::TimeMin, "65535", "65535"},
        Canonical{ValueType::Count, "0", "0"},
        Canonical{ValueType::HvacStatus, "HVAC_COOL,0,000,50,500,0,000,100,000,-1,000,255",
                  "HVAC_COOL,0.000,50.500,0.000,100.000,-1.000,255"},
        Canonical{ValueType::HvacStatus, "HVAC_NUL,163,835,0,005,0,000,0,000,0,000,0",
                  "HVAC_NUL,163.835,0.005,0.000,0.000,0.000,0"},
        Canonical{ValueType::State, "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1", "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1"},
        Canonical{ValueType::Occupancy, "OC_OCCUPIED", "OC_OCCUPIED"},
        Canonical{ValueType::Occupancy, "OC_UNOCCUPIED", "OC_UNOCCUPIED"},
        Canonical{ValueType::Occupancy, "OC_BYPASS", "OC_BYPASS"},
        Canonical{ValueType::Occupancy, "OC_STANDBY", "OC_STANDBY"},
        Canonical{ValueType::Occupancy, "OC_NUL", "OC_NUL"},
        Canonical{ValueType::Scene, "SC_RECALL 1", "SC_RECALL 1"},
        Canonical{ValueType::Scene, "SC_CLEAR 255", "SC_CLEAR 255"},
        Canonical{ValueType::Setting, "SET_ON 100,0 -359,98", "SET_ON 100.0 -359.98"},
        Canonical{ValueType::Setting, "SET_STATE 50,5 360,00", "SET_STATE 50.5 360.00"},
        Canonical{ValueType::TimeStamp, "2006/1/1 0:0:0", "2006/1/1 0:0:0"},
        Canonical{ValueType::TimeStamp, "0/0/0 0:0:0", "0/0/0 0:0:0"},
        Canonical{ValueType::TimeStamp, "2024/2/29 23:59:59", "2024/2/29 23:59:59"},
        Canonical{ValueType::StrHex4, "2,ff,2,0", "2,ff,2,0"}),
    // Named by their place in the list: the default name would print the struct's padding and
    // pointers, which differ from one build to the next.
    [](const testing::TestParamInfo<Canonical>& place) { return "case" + std::to_string(place.index); });

TEST(ValueCodecTypes, namesMapBothWaysAndDefaultsAreValid)
{
    for (const ValueType type : allTypes) {
        const QString name = codec::typeName(type);
        EXPECT_EQ(codec::typeFromName(name), type) << name.toStdString();
        const QString stored = codec::defaultValue(type);
        EXPECT_EQ(codec::parse(type, stored, dot), stored) << name.toStdString();
        EXPECT_EQ(codec::parse(type, codec::format(type, stored, comma), comma), stored)
            << name.toStdString();
    }
    EXPECT_EQ(codec::typeName(ValueType::StrHex4), QStringLiteral("UNVT_str_hex4"));
    EXPECT_EQ(codec::typeName(ValueType::HvacStatus), QStringLiteral("SNVT_hvac_status"));
    EXPECT_EQ(codec::typeFromName(QStringLiteral("SNVT_temp_p")), ValueType::TempP);
    EXPECT_FALSE(codec::typeFromName(QStringLiteral("SNVT_TEMP_P")));
    EXPECT_FALSE(codec::typeFromName(QStringLiteral("SNVT_temp_f")));
    EXPECT_FALSE(codec::typeFromName(QString()));
}

TEST(ValueCodecNumbers, descriptionsTellWhatIsExpected)
{
    const lns::Error notNumber = parseError(ValueType::TempP, QStringLiteral("abc"), comma);
    EXPECT_EQ(notNumber.number(), lns::errors::InvalidValue);
    EXPECT_EQ(
        notNumber.description(),
        QStringLiteral("\"abc\" is not a valid SNVT_temp_p value: expected a number with \",\" as decimal "
                       "separator"));

    const lns::Error tooHigh = parseError(ValueType::TempP, QStringLiteral("400,00"), comma);
    EXPECT_EQ(tooHigh.number(), lns::errors::OutOfRange);
    EXPECT_EQ(tooHigh.description(),
              QStringLiteral("\"400,00\" is out of range for SNVT_temp_p: allowed -273,17 "
                             "to 327,66, or 327,67 for invalid"));

    const lns::Error percent = parseError(ValueType::LevPercent, QStringLiteral("-200"), dot);
    EXPECT_EQ(percent.description(), QStringLiteral("\"-200\" is out of range for SNVT_lev_percent: allowed "
                                                    "-163.840 to 163.830, or 163.835 for invalid"));

    const QString longText(500, u'x');
    EXPECT_LT(parseError(ValueType::Count, longText, comma).description().size(), 200);
}

TEST(ValueCodecNumbers, acceptOnlyTheGivenSeparator)
{
    EXPECT_EQ(parseError(ValueType::TempP, QStringLiteral("22.50"), comma).number(),
              lns::errors::InvalidValue);
    EXPECT_EQ(parseError(ValueType::TempP, QStringLiteral("22,50"), dot).number(), lns::errors::InvalidValue);
    EXPECT_EQ(parseError(ValueType::Switch, QStringLiteral("100.0 1"), comma).number(),
              lns::errors::InvalidValue);
    // Anything but "." means the comma.
    EXPECT_EQ(codec::parse(ValueType::TempP, QStringLiteral("22,5"), QStringLiteral(";")),
              QStringLiteral("22.50"));
    EXPECT_EQ(codec::parse(ValueType::TempP, QStringLiteral("22,5"), QString()), QStringLiteral("22.50"));
    EXPECT_EQ(codec::format(ValueType::TempP, QStringLiteral("22.5"), QStringLiteral("")),
              QStringLiteral("22,50"));
}

TEST(ValueCodecNumbers, valuesBetweenStepsGoToTheNearestStep)
{
    const auto parsed = [](ValueType type, const char* text) {
        return codec::parse(type, QString::fromUtf8(text), comma).toStdString();
    };
    EXPECT_EQ(parsed(ValueType::TempP, "22"), "22.00");
    EXPECT_EQ(parsed(ValueType::TempP, "22,004"), "22.00");
    EXPECT_EQ(parsed(ValueType::TempP, "22,005"), "22.01");
    EXPECT_EQ(parsed(ValueType::TempP, "-22,005"), "-22.01");
    EXPECT_EQ(parsed(ValueType::TempP, "-0,004"), "0.00");
    EXPECT_EQ(parsed(ValueType::TempP, "-273,174"), "-273.17");
    EXPECT_EQ(parsed(ValueType::LevPercent, "1,0024"), "1.000");
    EXPECT_EQ(parsed(ValueType::LevPercent, "1,0025"), "1.005");
    EXPECT_EQ(parsed(ValueType::LevPercent, "1,0074999999999999"), "1.005");
    EXPECT_EQ(parsed(ValueType::Switch, "50,2 1"), "50.0 1");
    EXPECT_EQ(parsed(ValueType::Switch, "50,25 1"), "50.5 1");
    EXPECT_EQ(parsed(ValueType::LevCont, "99,76"), "100.0");
    EXPECT_EQ(parsed(ValueType::TimeSec, "12"), "12.0");
    EXPECT_EQ(parsed(ValueType::Count, "5,5"), "6");
    EXPECT_EQ(parsed(ValueType::Setting, "SET_ON 50 0,01"), "SET_ON 50.0 0.02");
    EXPECT_EQ(parsed(ValueType::Setting, "SET_ON 50 0,0099"), "SET_ON 50.0 0.00");
    EXPECT_EQ(parsed(ValueType::TempP, "0000000000000000000000022,00"), "22.00");
    EXPECT_EQ(parsed(ValueType::TempP, "22,000000000000000000000001"), "22.00");
}

TEST(ValueCodecNumbers, rangeLimitsAndTheInvalidMarker)
{
    EXPECT_EQ(parseError(ValueType::TempP, QStringLiteral("-273,18"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::TempP, QStringLiteral("327,68"), comma).number(),
              lns::errors::OutOfRange);
    // Only the marker itself means invalid; a value that merely rounds onto it is refused.
    EXPECT_EQ(codec::parse(ValueType::TempP, QStringLiteral("327,670"), comma), QStringLiteral("327.67"));
    EXPECT_EQ(parseError(ValueType::TempP, QStringLiteral("327,665"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::LevPercent, QStringLiteral("163,834"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(codec::parse(ValueType::LevPercent, QStringLiteral("163,832"), comma),
              QStringLiteral("163.830"));
    EXPECT_EQ(parseError(ValueType::LevCont, QStringLiteral("100,5"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::LevCont, QStringLiteral("-0,5"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::TimeSec, QStringLiteral("6553,5"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::TimeMin, QStringLiteral("65536"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::Count, QStringLiteral("-1"), comma).number(), lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::Count, QStringLiteral("99999999999999999999999999999"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(
        parseError(ValueType::TempP, QStringLiteral("-99999999999999999999999999999,5"), comma).number(),
        lns::errors::OutOfRange);
}

TEST(ValueCodecNumbers, malformedTextsAreInvalid)
{
    for (const char* text : {"", "   ", "-", "nan", "NaN", "inf", "-inf", "1e3", "0x10", "+5", ",5", "5,",
                             "5,,0", "2 2", "22,00 C", "--1", "\xd9\xa2\xd9\xa2",
                             "2\xc2\xa0"
                             "2"}) {
        const lns::Error error = parseError(ValueType::TempP, QString::fromUtf8(text), comma);
        EXPECT_EQ(error.number(), lns::errors::InvalidValue) << text;
    }
    EXPECT_EQ(codec::parse(ValueType::TempP, QStringLiteral(" \t22,5 \n"), comma), QStringLiteral("22.50"));
}

TEST(ValueCodecSwitch, refusesBadStatesAndShapes)
{
    EXPECT_EQ(parseError(ValueType::Switch, QStringLiteral("50,0 2"), comma).description(),
              QStringLiteral("\"50,0 2\" is out of range for SNVT_switch: state allowed -1 to 1"));
    EXPECT_EQ(parseError(ValueType::Switch, QStringLiteral("150,0 1"), comma).number(),
              lns::errors::OutOfRange);
    for (const char* text : {"50,0", "50,0 1 1", "50,0 1,0", "50,0 x", "ON 1"})
        EXPECT_EQ(parseError(ValueType::Switch, QString::fromUtf8(text), comma).number(),
                  lns::errors::InvalidValue)
            << text;
    EXPECT_EQ(codec::parse(ValueType::Switch, QStringLiteral(" 100,0   1 "), comma),
              QStringLiteral("100.0 1"));
}

TEST(ValueCodecHvacStatus, acceptsTheServerFormAndTheSevenFieldForm)
{
    const QString stored = QStringLiteral("HVAC_HEAT,12.500,0.000,0.000,0.000,0.000,0");
    EXPECT_EQ(codec::parse(ValueType::HvacStatus,
                           QStringLiteral("HVAC_HEAT,12,500,0,000,0,000,0,000,0,000,0"), comma),
              stored);
    // The plug-in writes "." decimals whatever the user's separator.
    EXPECT_EQ(codec::parse(ValueType::HvacStatus, QStringLiteral("HVAC_HEAT,12.5,0,0,0,0,0"), comma), stored);
    EXPECT_EQ(codec::parse(ValueType::HvacStatus, QStringLiteral("HVAC_HEAT,12.5,0,0,0,0,0"), dot), stored);
    EXPECT_EQ(codec::parse(ValueType::HvacStatus, QStringLiteral("HVAC_HEAT, 12.5, 0, 0, 0, 0, 0 "), dot),
              stored);
    EXPECT_EQ(codec::format(ValueType::HvacStatus, stored, comma).split(u',').size(), 12);
}

TEST(ValueCodecHvacStatus, refusesWrongShapesModesAndRanges)
{
    // The twelve-item form only exists with decimal commas.
    EXPECT_EQ(
        parseError(ValueType::HvacStatus, QStringLiteral("HVAC_HEAT,12,500,0,000,0,000,0,000,0,000,0"), dot)
            .number(),
        lns::errors::InvalidValue);
    for (const char* text : {"HVAC_HEAT", "HVAC_HEAT,1,2,3,4,5", "HVAC_HEAT,1,2,3,4,5,6,7",
                             "hvac_heat,0,0,0,0,0,0", "HVAC_WARM,0,0,0,0,0,0", "HVAC_HEAT,0,0,0,0,0,0.5.0",
                             "HVAC_HEAT,12,5,0,0,0,0,0,0,0,0,0,0", "HVAC_HEAT,0,,0,000,0,000,0,000,0,000,0"})
        EXPECT_EQ(parseError(ValueType::HvacStatus, QString::fromUtf8(text), comma).number(),
                  lns::errors::InvalidValue)
            << text;
    EXPECT_EQ(
        parseError(ValueType::HvacStatus, QStringLiteral("HVAC_HEAT,0,0,0,0,0,256"), comma).description(),
        QStringLiteral("\"HVAC_HEAT,0,0,0,0,0,256\" is out of range for SNVT_hvac_status: in_alarm allowed 0 "
                       "to 255"));
    EXPECT_EQ(parseError(ValueType::HvacStatus, QStringLiteral("HVAC_HEAT,200,000,0,000,0,000,0,000,0,000,0"),
                         comma)
                  .number(),
              lns::errors::OutOfRange);
}

TEST(ValueCodecEnumerations, areCaseSensitiveAndListTheNames)
{
    const lns::Error occupancy = parseError(ValueType::Occupancy, QStringLiteral("oc_occupied"), comma);
    EXPECT_EQ(occupancy.number(), lns::errors::InvalidValue);
    EXPECT_TRUE(occupancy.description().contains(
        QStringLiteral("OC_OCCUPIED, OC_UNOCCUPIED, OC_BYPASS, OC_STANDBY, OC_NUL")));
    EXPECT_EQ(codec::parse(ValueType::Occupancy, QStringLiteral(" OC_BYPASS "), comma),
              QStringLiteral("OC_BYPASS"));

    EXPECT_EQ(codec::parse(ValueType::Scene, QStringLiteral("SC_LEARN 007"), comma),
              QStringLiteral("SC_LEARN 7"));
    EXPECT_EQ(parseError(ValueType::Scene, QStringLiteral("SC_RECALL 256"), comma).number(),
              lns::errors::OutOfRange);
    for (const char* text : {"SC_RECALL", "sc_recall 1", "SC_RECALL 1 2", "SC_CALL 1", "1 SC_RECALL"})
        EXPECT_EQ(parseError(ValueType::Scene, QString::fromUtf8(text), comma).number(),
                  lns::errors::InvalidValue)
            << text;

    EXPECT_EQ(parseError(ValueType::Setting, QStringLiteral("SET_ON 100,5 0,00"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::Setting, QStringLiteral("SET_ON 50,0 360,02"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::Setting, QStringLiteral("SET_ON 50,0 -360,00"), comma).number(),
              lns::errors::OutOfRange);
    EXPECT_EQ(parseError(ValueType::Setting, QStringLiteral("SET_ON 50,0"), comma).number(),
              lns::errors::InvalidValue);
    EXPECT_EQ(parseError(ValueType::Setting, QStringLiteral("SET_ON 50.0 0.00"), comma).number(),
              lns::errors::InvalidValue);
}

TEST(ValueCodecState, needsSixteenBinaryDigits)
{
    EXPECT_EQ(codec::parse(ValueType::State, QStringLiteral("0  1 0 0 0 0 0 0 0 0 0 0 0 0 0 0"), comma),
              QStringLiteral("0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0"));
    for (const char* text :
         {"0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
          "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "0000000000000000", "00 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"})
        EXPECT_EQ(parseError(ValueType::State, QString::fromUtf8(text), comma).number(),
                  lns::errors::InvalidValue)
            << text;
}

TEST(ValueCodecTimeStamp, validatesTheCalendar)
{
    EXPECT_EQ(codec::parse(ValueType::TimeStamp, QStringLiteral("2006/01/01 00:00:09"), comma),
              QStringLiteral("2006/1/1 0:0:9"));
    EXPECT_EQ(codec::parse(ValueType::TimeStamp, QStringLiteral("2000/2/29 12:30:00"), comma),
              QStringLiteral("2000/2/29 12:30:0"));
    EXPECT_EQ(codec::parse(ValueType::TimeStamp, QStringLiteral("3000/12/31 23:59:59"), comma),
              QStringLiteral("3000/12/31 23:59:59"));
    for (const char* text :
         {"2006/13/1 0:0:0", "2006/0/1 0:0:0", "2006/1/0 0:0:0", "2023/2/29 0:0:0", "1900/2/29 0:0:0",
          "2006/4/31 0:0:0", "2006/1/32 0:0:0", "2006/1/1 24:0:0", "2006/1/1 0:60:0", "2006/1/1 0:0:60",
          "3001/1/1 0:0:0", "0/0/0 0:0:1", "99999999999999999999/1/1 0:0:0"})
        EXPECT_EQ(parseError(ValueType::TimeStamp, QString::fromUtf8(text), comma).number(),
                  lns::errors::OutOfRange)
            << text;
    EXPECT_EQ(parseError(ValueType::TimeStamp, QStringLiteral("2023/2/29 0:0:0"), comma).description(),
              QStringLiteral(
                  "\"2023/2/29 0:0:0\" is out of range for SNVT_time_stamp: day allowed 1 to 28 in month "
                  "2 of year 2023"));
    EXPECT_TRUE(parseError(ValueType::TimeStamp, QStringLiteral("99999999999999999999/1/1 0:0:0"), comma)
                    .description()
                    .endsWith(QStringLiteral("year allowed 0 to 3000")));
    for (const char* text : {"2006/1/1", "2006-1-1 0:0:0", "2006/1/1 0:0", "2006/1/1/1 0:0:0",
                             "2006/1/1 0:0:0 x", "2006/1/1,5 0:0:0", "2006/-/1 0:0:0", "2006/1/1 0:0:"})
        EXPECT_EQ(parseError(ValueType::TimeStamp, QString::fromUtf8(text), comma).number(),
                  lns::errors::InvalidValue)
            << text;
}

TEST(ValueCodecStrHex4, acceptsUpperCaseAndLeadingZeros)
{
    EXPECT_EQ(codec::parse(ValueType::StrHex4, QStringLiteral("02,FF,0A,00"), comma),
              QStringLiteral("2,ff,a,0"));
    EXPECT_EQ(codec::parse(ValueType::StrHex4, QStringLiteral("00000000000000000000ff, 0 ,1,2"), dot),
              QStringLiteral("ff,0,1,2"));
    EXPECT_EQ(codec::format(ValueType::StrHex4, QStringLiteral("0A,2,2,0"), comma),
              QStringLiteral("a,2,2,0"));
    EXPECT_EQ(parseError(ValueType::StrHex4, QStringLiteral("100,0,0,0"), comma).number(),
              lns::errors::OutOfRange);
    for (const char* text : {"1,2,3", "1,2,3,4,5", "g,0,0,0", ",0,0,0", "0x2,0,0,0", "-1,0,0,0", "1 2,0,0,0"})
        EXPECT_EQ(parseError(ValueType::StrHex4, QString::fromUtf8(text), comma).number(),
                  lns::errors::InvalidValue)
            << text;
}

TEST(ValueCodecFormat, aDamagedStoredValueIsReportedNotPassedOn)
{
    try {
        codec::format(ValueType::TempP, QStringLiteral("22,00"), comma);
        ADD_FAILURE() << "a stored value with a comma was formatted";
    } catch (const lns::Error& error) {
        EXPECT_EQ(error.number(), lns::errors::InvalidValue);
        EXPECT_TRUE(error.description().contains(QStringLiteral("stored")));
    }
}

} // namespace
