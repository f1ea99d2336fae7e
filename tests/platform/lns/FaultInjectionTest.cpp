#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/object_server/Error.h"

#include <gtest/gtest.h>

using error_probe::number;
using error_probe::text;
using Operation = lnssim::PlatformAdmin::Operation;

namespace {
const QString Demo = QStringLiteral("Demo");
const QString F1 = QStringLiteral("F1");
const QString Rou1 = QStringLiteral("ROU_1");
const QString Rou1Path = QStringLiteral("F1/ROU_1");
} // namespace

TEST(SimFaults, UnreachableDeviceDoesNotAnswerButKeepsItsDatabaseValues)
{
    DemoPlatform platform;
    const auto device = platform.device(F1, QStringLiteral("ROU_3"));
    EXPECT_EQ(text([&] { device->state(); }), QStringLiteral("ROU_3 did not respond: device is offline"));
    EXPECT_EQ(number([&] { device->state(); }), lns::errors::DeviceOffline);
    EXPECT_TRUE(device->commissioned());
    EXPECT_EQ(platform.cp(F1, QStringLiteral("ROU_3"), QStringLiteral("F:0/C:3:42"))->value(),
              QStringLiteral("6"));

    platform.admin().setUnreachable(Demo, QStringLiteral("F1/ROU_3"), false);
    EXPECT_EQ(device->state(), 4);
    platform.admin().setUnreachable(Demo, Rou1Path, true);
    EXPECT_EQ(number([&] { platform.nv(F1, Rou1, 31)->setValue(QStringLiteral("20,00")); }),
              lns::errors::DeviceOffline);
    platform.admin().clearFaults(Demo, Rou1Path);
    EXPECT_EQ(platform.nv(F1, Rou1, 31)->value(), QStringLiteral("327,67"));
}

TEST(SimFaults, NextOperationsOfAKindFail)
{
    DemoPlatform platform;
    const auto nv = platform.nv(F1, Rou1, 31);
    const auto cp = platform.cp(F1, Rou1, QStringLiteral("N:48/C:0:213"));
    platform.admin().failNext(Demo, Rou1Path, Operation::NvRead, 2);
    EXPECT_EQ(cp->value(), QStringLiteral("22,00"));
    EXPECT_EQ(number([&] { nv->value(); }), lns::errors::InjectedFault);
    EXPECT_TRUE(text([&] { nv->value(); }).startsWith(QStringLiteral("ROU_1 did not respond")));
    EXPECT_EQ(nv->value(), QStringLiteral("327,67"));

    platform.admin().failNext(Demo, Rou1Path, Operation::CpWrite, 1);
    EXPECT_EQ(number([&] { cp->setValue(QStringLiteral("20,00")); }), lns::errors::InjectedFault);
    EXPECT_EQ(cp->value(), QStringLiteral("22,00"));
    cp->setValue(QStringLiteral("20,00"));
    EXPECT_EQ(cp->value(), QStringLiteral("20,00"));

    platform.admin().failNext(Demo, Rou1Path, Operation::CpRead, 1);
    EXPECT_EQ(number([&] { cp->value(); }), lns::errors::InjectedFault);

    platform.admin().failNext(Demo, Rou1Path, Operation::Any, 1);
    EXPECT_EQ(number([&] { platform.device(F1, Rou1)->state(); }), lns::errors::InjectedFault);
    EXPECT_EQ(platform.device(F1, Rou1)->state(), 4);
}

TEST(SimFaults, FailureRateOfOneFailsEveryDeviceTransaction)
{
    DemoPlatform platform;
    platform.admin().setFailureRate(Demo, Rou1Path, 1.0);
    const auto nv = platform.nv(F1, Rou1, 31);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(number([&] { nv->value(); }), lns::errors::InjectedFault);
    EXPECT_EQ(number([&] { nv->setValue(QStringLiteral("20,00")); }), lns::errors::InjectedFault);
    platform.admin().setFailureRate(Demo, Rou1Path, 0.0);
    EXPECT_EQ(nv->value(), QStringLiteral("327,67"));
    EXPECT_EQ(number([&] { platform.admin().setFailureRate(Demo, Rou1Path, 1.5); }),
              lns::errors::BadArgument);
}

TEST(SimFaults, WrongArgumentsAreRefused)
{
    DemoPlatform platform;
    EXPECT_EQ(number([&] { platform.admin().failNext(Demo, Rou1Path, Operation::NvRead, -1); }),
              lns::errors::BadArgument);
    EXPECT_EQ(number([&] { platform.admin().setTransactionTime(Demo, -5); }), lns::errors::BadArgument);
    EXPECT_EQ(number([&] { platform.admin().setUnreachable(Demo, QStringLiteral("ROU_1"), true); }),
              lns::errors::BadArgument);
    EXPECT_EQ(number([&] { platform.admin().setUnreachable(QStringLiteral("Foo"), Rou1Path, true); }),
              lns::errors::NotFound);
}
