#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"

#include <gtest/gtest.h>

using error_probe::number;
using error_probe::text;

namespace {
const QString F1 = QStringLiteral("F1");
const QString F2 = QStringLiteral("F2");
const QString Rou1 = QStringLiteral("ROU_1");
} // namespace

TEST(SimDevice, NvValuesRoundTripWithTheUsersSeparator)
{
    DemoPlatform platform;
    const auto spaceTemp = platform.nv(F1, Rou1, 31);
    EXPECT_EQ(spaceTemp->value(), QStringLiteral("327,67"));
    spaceTemp->setValue(QStringLiteral("23,50"));
    EXPECT_EQ(spaceTemp->value(), QStringLiteral("23,50"));
    const auto fan = platform.nv(F1, Rou1, 45);
    fan->setValue(QStringLiteral("50,0 1"));
    EXPECT_EQ(fan->value(), QStringLiteral("50,0 1"));
    const auto status = platform.nv(F1, Rou1, 34);
    status->setValue(QStringLiteral("HVAC_HEAT,20.000,0.000,0.000,0.000,0.000,0"));
    EXPECT_EQ(status->value().split(QLatin1Char(',')).size(), 12);
    // A second device keeps its own values.
    EXPECT_EQ(platform.nv(F2, QStringLiteral("ROU_4"), 31)->value(), QStringLiteral("327,67"));
}

TEST(SimDevice, SeparatorIsReadAgainOnEveryOpen)
{
    DemoPlatform platform;
    platform.nv(F1, Rou1, 31)->setValue(QStringLiteral("21,25"));
    platform.registry().writeValue(RegistryStore::Hive::CurrentUser, registry_keys::InternationalKey,
                                   registry_keys::DecimalValue, QStringLiteral("."));
    EXPECT_EQ(platform.nv(F1, Rou1, 31)->value(), QStringLiteral("21,25"));
    platform.reopen();
    EXPECT_EQ(platform.nv(F1, Rou1, 31)->value(), QStringLiteral("21.25"));
    platform.registry().writeValue(RegistryStore::Hive::CurrentUser, registry_keys::InternationalKey,
                                   registry_keys::DecimalValue, QString());
    platform.reopen();
    EXPECT_EQ(platform.nv(F1, Rou1, 31)->value(), QStringLiteral("21,25"));
}

TEST(SimDevice, InvalidWritesStoreNothing)
{
    DemoPlatform platform;
    const auto setpoint = platform.cp(F1, Rou1, QStringLiteral("N:48/C:0:213"));
    EXPECT_EQ(number([&] { setpoint->setValue(QStringLiteral("abc")); }), lns::errors::InvalidValue);
    EXPECT_TRUE(
        text([&] { setpoint->setValue(QStringLiteral("abc")); }).contains(QStringLiteral("SNVT_temp_p")));
    EXPECT_EQ(number([&] { setpoint->setValue(QStringLiteral("400,00")); }), lns::errors::OutOfRange);
    EXPECT_EQ(setpoint->value(), QStringLiteral("22,00"));

    const auto spaceTemp = platform.nv(F1, Rou1, 31);
    spaceTemp->setValue(QStringLiteral("20,00"));
    EXPECT_NE(number([&] { spaceTemp->setValue(QStringLiteral("20..0")); }), 0);
    EXPECT_EQ(spaceTemp->value(), QStringLiteral("20,00"));

    EXPECT_EQ(number([&] { platform.nv(F1, Rou1, 47)->setValue(QStringLiteral("20,00")); }),
              lns::errors::NotSupported);
}

TEST(SimDevice, ArrayPropertiesAreReadAndWrittenByElement)
{
    DemoPlatform platform;
    const auto buttons = platform.cp(F1, Rou1, QStringLiteral("F:0/C:3:44"));
    EXPECT_EQ(buttons->value(), buttons->elementValue(0));
    buttons->setElementValue(5, QStringLiteral("2,FF,02,0"));
    EXPECT_EQ(buttons->elementValue(5), QStringLiteral("2,ff,2,0"));
    buttons->setValue(QStringLiteral("1,1,1,1"));
    EXPECT_EQ(buttons->elementValue(0), QStringLiteral("1,1,1,1"));
    EXPECT_EQ(buttons->elementValue(5), QStringLiteral("2,ff,2,0"));
    EXPECT_EQ(number([&] { buttons->elementValue(12); }), lns::errors::BadArgument);
    EXPECT_EQ(number([&] { buttons->setElementValue(-1, QStringLiteral("0,0,0,0")); }),
              lns::errors::BadArgument);

    const auto backlight = platform.cp(F1, Rou1, QStringLiteral("F:0/C:3:48"));
    backlight->setElementValue(1, QStringLiteral("55"));
    EXPECT_EQ(backlight->elementValue(1), QStringLiteral("55,0"));
    platform.reopen();
    EXPECT_EQ(platform.cp(F1, Rou1, QStringLiteral("F:0/C:3:48"))->elementValue(1), QStringLiteral("55,0"));
}

TEST(SimDevice, NetworkVariablesNeedAnOnlineCommissionedDevice)
{
    DemoPlatform platform;
    const auto unconfigured = platform.nv(F2, QStringLiteral("ROU_6"), 31);
    EXPECT_EQ(number([&] { unconfigured->value(); }), lns::errors::DeviceOffline);
    EXPECT_TRUE(text([&] { unconfigured->value(); }).contains(QStringLiteral("state 2")));
    EXPECT_EQ(number([&] { unconfigured->setValue(QStringLiteral("20,00")); }), lns::errors::DeviceOffline);
    EXPECT_EQ(number([&] { platform.nv(F2, QStringLiteral("ROU_5"), 31)->value(); }),
              lns::errors::DeviceOffline);
    EXPECT_EQ(text([&] { platform.nv(F1, QStringLiteral("ROU_3"), 31)->value(); }),
              QStringLiteral("ROU_3 did not respond: device is offline"));

    platform.admin().setState(QStringLiteral("Demo"), QStringLiteral("F2/ROU_6"), 4);
    unconfigured->setValue(QStringLiteral("20,00"));
    EXPECT_EQ(unconfigured->value(), QStringLiteral("20,00"));
}

TEST(SimDevice, PropertiesAreReadInEveryStateAndWrittenToTheDatabaseWhenOffline)
{
    DemoPlatform platform;
    for (const auto& [subsystem, device] :
         {std::pair{F1, QStringLiteral("ROU_3")}, std::pair{F2, QStringLiteral("ROU_5")},
          std::pair{F2, QStringLiteral("ROU_6")}})
        EXPECT_EQ(platform.cp(subsystem, device, QStringLiteral("N:48/C:0:213"))->value(),
                  QStringLiteral("22,00"));

    const auto uncommissioned = platform.cp(F2, QStringLiteral("ROU_5"), QStringLiteral("N:48/C:0:213"));
    uncommissioned->setValue(QStringLiteral("19,50"));
    EXPECT_EQ(uncommissioned->value(), QStringLiteral("19,50"));
    // An online device that does not answer takes nothing.
    const auto unreachable = platform.cp(F1, QStringLiteral("ROU_3"), QStringLiteral("N:48/C:0:213"));
    EXPECT_EQ(number([&] { unreachable->setValue(QStringLiteral("19,50")); }), lns::errors::DeviceOffline);
    EXPECT_EQ(unreachable->value(), QStringLiteral("22,00"));
}

TEST(SimDevice, MeasuredTemperatureDriftsOrFollowsTheInput)
{
    DemoPlatform platform;
    const auto measured = platform.nv(F1, Rou1, 47);
    const double drifting = measured->value().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    EXPECT_GE(drifting, 21.0);
    EXPECT_LE(drifting, 23.0);

    platform.nv(F1, Rou1, 31)->setValue(QStringLiteral("25,00"));
    platform.cp(F1, Rou1, QStringLiteral("N:47/C:0:70"))->setValue(QStringLiteral("-0,50"));
    EXPECT_EQ(measured->value(), QStringLiteral("24,50"));
    platform.nv(F1, Rou1, 31)->setValue(QStringLiteral("327,67"));
    EXPECT_NE(measured->value(), QStringLiteral("24,50"));
}

TEST(SimDevice, EffectiveSetpointFollowsSetpointAndOffset)
{
    DemoPlatform platform;
    const auto effective = platform.nv(F1, Rou1, 48);
    EXPECT_EQ(effective->value(), QStringLiteral("22,00"));
    platform.cp(F1, Rou1, QStringLiteral("N:48/C:0:213"))->setValue(QStringLiteral("21,00"));
    platform.nv(F1, Rou1, 46)->setValue(QStringLiteral("1,50"));
    EXPECT_EQ(effective->value(), QStringLiteral("22,50"));
    platform.nv(F1, Rou1, 32)->setValue(QStringLiteral("24,00"));
    EXPECT_EQ(effective->value(), QStringLiteral("25,50"));
}

TEST(SimDevice, ValuesWrittenByTheToolAreSeenByTheServer)
{
    DemoPlatform platform;
    platform.admin().set(QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"), QStringLiteral("F:1/C:0:93"),
                         QStringLiteral("80,0"));
    EXPECT_EQ(platform.cp(F1, Rou1, QStringLiteral("F:1/C:0:93"))->value(), QStringLiteral("80,0"));
    platform.nv(F1, Rou1, 39)->setValue(QStringLiteral("OC_BYPASS"));
    EXPECT_EQ(platform.admin().get(QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
                                   QStringLiteral("nviOccManCmd")),
              QStringLiteral("OC_BYPASS"));
    EXPECT_EQ(number([&] {
                  platform.admin().set(QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
                                       QStringLiteral("nvoSetptEffect"), QStringLiteral("20,00"));
              }),
              lns::errors::BadArgument);
}
