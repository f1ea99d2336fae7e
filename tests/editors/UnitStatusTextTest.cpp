#include "editors/UnitStatusText.h"

#include "host/BadValue.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using unit_status_text::normaliseCommaDecimals;
using unit_status_text::split;

TEST(UnitStatusTextTest, SplitTakesTheFirstSevenFields)
{
    const auto fields = split(QStringLiteral("HVAC_AUTO,1.5,2,3,4,5,1,extra"));
    EXPECT_EQ(fields[0], QStringLiteral("HVAC_AUTO"));
    EXPECT_EQ(fields[1], QStringLiteral("1.5"));
    EXPECT_EQ(fields[6], QStringLiteral("1"));
    EXPECT_THROW(split(QStringLiteral("HVAC_AUTO,1,2")), BadValue);
    EXPECT_THROW(split(QString()), BadValue);
}

TEST(UnitStatusTextTest, DecimalCommasAreCutInPairs)
{
    const auto result =
        normaliseCommaDecimals(QStringLiteral("HVAC_HEAT,12,500,0,000,33,250,0,000,100,000,1"));
    EXPECT_EQ(result.value, QStringLiteral("HVAC_HEAT,12.500,0.000,33.250,0.000,100.000,1"));
    EXPECT_EQ(result.fields[3], QStringLiteral("33,250"));
    EXPECT_EQ(result.fields[6], QStringLiteral("1"));
}

TEST(UnitStatusTextTest, NormalisingTwiceChangesNothing)
{
    const QString once =
        normaliseCommaDecimals(QStringLiteral("HVAC_COOL,1,000,2,000,3,000,4,000,5,000,0")).value;
    const auto twice = normaliseCommaDecimals(once);
    EXPECT_EQ(twice.value, once);
    EXPECT_EQ(twice.fields[5], QStringLiteral("5,000"));
    EXPECT_EQ(twice.fields[0], QStringLiteral("HVAC_COOL"));
}

TEST(UnitStatusTextTest, ShortTextsRunToTheirEnd)
{
    const auto result = normaliseCommaDecimals(QStringLiteral("HVAC_OFF,1,5"));
    EXPECT_EQ(result.fields[1], QStringLiteral("1,5"));
    EXPECT_TRUE(result.fields[2].isEmpty());
    EXPECT_TRUE(result.fields[6].isEmpty());
    EXPECT_EQ(result.value, QStringLiteral("HVAC_OFF,1.5,,,,,"));
    EXPECT_THROW(normaliseCommaDecimals(QStringLiteral("HVAC_OFF")), BadValue);
}

} // namespace
