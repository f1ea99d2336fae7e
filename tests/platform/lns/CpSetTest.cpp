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
const QString Setpoint = QStringLiteral("N:48/C:0:213");
const QString Buttons = QStringLiteral("F:0/C:3:44");
const QString BacklightMin = QStringLiteral("F:0/C:3:48");
const QString MaxOut = QStringLiteral("F:1/C:0:93");

class CpSetTest : public ::testing::Test
{
protected:
    // What the database holds for the CPs the sets below write.
    QStringList stored()
    {
        QStringList values{platform.admin().get(Demo, Rou1Path, Setpoint),
                           platform.admin().get(Demo, Rou1Path, MaxOut)};
        for (int element = 0; element < 12; ++element)
            values.append(platform.admin().get(Demo, Rou1Path, Buttons, element));
        for (int element = 0; element < 2; ++element)
            values.append(platform.admin().get(Demo, Rou1Path, BacklightMin, element));
        return values;
    }

    qint64 transactions() { return platform.admin().channels(Demo).first().carried.transactions; }

    // A set with one value changed from a good one.
    QList<lns::CpSetValue> goodSet()
    {
        QStringList buttons;
        for (int element = 0; element < 12; ++element)
            buttons.append(QStringLiteral("%1,2,0,0").arg(element + 1, 0, 16));
        return {{Setpoint, QStringLiteral("23,50"), {}},
                {MaxOut, QStringLiteral("80,0"), {}},
                {Buttons, QString(), buttons},
                {BacklightMin, QStringLiteral("30,0;15,5"), {}}};
    }

    DemoPlatform platform;
    std::shared_ptr<lns::AppDevice> device = platform.device(F1, Rou1);
};

} // namespace

TEST_F(CpSetTest, WritesWholeArraysAndReadsBackWhatIsStored)
{
    const QList<lns::CpSetValue> readBack = device->writeConfigProperties(goodSet());
    ASSERT_EQ(readBack.size(), 4);
    EXPECT_EQ(readBack[0].id, Setpoint);
    EXPECT_EQ(readBack[0].text, QStringLiteral("23,50"));
    EXPECT_EQ(readBack[0].elements, QStringList{QStringLiteral("23,50")});
    EXPECT_EQ(readBack[2].elements.size(), 12);
    EXPECT_EQ(readBack[2].elements[11], QStringLiteral("c,2,0,0"));
    EXPECT_EQ(readBack[3].text, QStringLiteral("30,0;15,5"));

    QStringList expected;
    for (const lns::CpSetValue& value : readBack)
        expected.append(value.elements);
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(platform.cp(F1, Rou1, Buttons)->elementValue(11), QStringLiteral("c,2,0,0"));
}

TEST_F(CpSetTest, ABadValueOrCpFailsTheWholeSetAndStoresNothing)
{
    const QStringList before = stored();
    const std::tuple<const char*, std::function<void(QList<lns::CpSetValue>&)>, int, const char*> cases[] = {
        {"invalid element", [](auto& set) { set[2].elements[5] = QStringLiteral("warm"); },
         lns::errors::InvalidValue,
         "UCPTdiConfig (F:0/C:3:44) of ROU_1, element 5: \"warm\" is not a valid UNVT_str_hex4 value"},
        {"out of range", [](auto& set) { set[0].text = QStringLiteral("400,00"); }, lns::errors::OutOfRange,
         "SCPTsetpoint (N:48/C:0:213) of ROU_1: \"400,00\" is out of range for SNVT_temp_p"},
        {"too few elements", [](auto& set) { set[3].text = QStringLiteral("30,0"); },
         lns::errors::BadArgument,
         "UCPTbacklightMin (F:0/C:3:48) of ROU_1 has 2 element(s); the set gives 1"},
        {"unknown CP", [](auto& set) { set[1].id = QStringLiteral("F:1/C:0:99"); }, lns::errors::NotFound,
         "ROU_1 has no configuration property F:1/C:0:99"},
        {"not an identifier", [](auto& set) { set[1].id = QStringLiteral("SCPTmaxOut"); },
         lns::errors::BadArgument, "\"SCPTmaxOut\" is not a CP identifier"},
        {"named twice", [](auto& set) { set.append(set[0]); }, lns::errors::BadArgument,
         "SCPTsetpoint (N:48/C:0:213) appears twice in the set for ROU_1"},
    };
    for (const auto& [name, spoil, error, description] : cases) {
        QList<lns::CpSetValue> set = goodSet();
        spoil(set);
        const qint64 sent = transactions();
        EXPECT_EQ(number([&] { device->writeConfigProperties(set); }), error) << name;
        EXPECT_TRUE(text([&] { device->writeConfigProperties(set); }).startsWith(QLatin1String(description)))
            << name << ": " << text([&] { device->writeConfigProperties(set); }).toStdString();
        EXPECT_EQ(stored(), before) << name;
        // Checked before anything reached the device.
        EXPECT_EQ(transactions(), sent) << name;
    }
}

TEST_F(CpSetTest, FaultsFailTheSetAsOneCall)
{
    const QStringList before = stored();
    const std::pair<const char*, std::function<void()>> faults[] = {
        {"fail next CP write", [&] { platform.admin().failNext(Demo, Rou1Path, Operation::CpWrite, 1); }},
        {"fail next of any kind", [&] { platform.admin().failNext(Demo, Rou1Path, Operation::Any, 1); }},
        {"offline", [&] { platform.admin().setUnreachable(Demo, Rou1Path, true); }},
        {"failure rate", [&] { platform.admin().setFailureRate(Demo, Rou1Path, 1.0); }},
    };
    for (const auto& [name, inject] : faults) {
        inject();
        EXPECT_NE(number([&] { device->writeConfigProperties(goodSet()); }), 0) << name;
        EXPECT_EQ(stored(), before) << name;
        platform.admin().clearFaults(Demo, Rou1Path);
    }
    // One injected failure is one failed call: the next one writes the set.
    platform.admin().failNext(Demo, Rou1Path, Operation::CpWrite, 1);
    EXPECT_EQ(number([&] { device->writeConfigProperties(goodSet()); }), lns::errors::InjectedFault);
    EXPECT_EQ(device->writeConfigProperties(goodSet())[0].text, QStringLiteral("23,50"));
}

TEST_F(CpSetTest, AConfigurationTravelsInAFewLargeTransactions)
{
    // Every CP of the device's blocks (55 values, 150 bytes): two memory writes and two reads.
    QList<lns::CpSetValue> set;
    const auto blocks = device->deviceInterface()->functionalBlocks();
    for (int block = 1; block <= blocks->count(); ++block) {
        const auto properties = blocks->item(block)->configProperties();
        for (int position = 1; position <= properties->count(); ++position) {
            const auto property = properties->item(position);
            lns::CpSetValue value;
            value.id = QStringLiteral("F:%1/C:%2:%3")
                           .arg(block - 1)
                           .arg(property->typeScope())
                           .arg(property->typeIndex());
            for (int element = 0; element < property->elementCount(); ++element)
                value.elements.append(platform.admin().get(Demo, Rou1Path, value.id, element));
            set.append(value);
        }
    }
    const qint64 before = transactions();
    EXPECT_EQ(device->writeConfigProperties(set).size(), set.size());
    EXPECT_EQ(transactions() - before, 4);

    // A device that is not online takes the set into the database alone.
    const auto uncommissioned = platform.device(QStringLiteral("F2"), QStringLiteral("ROU_5"));
    const qint64 second = platform.admin().channels(Demo)[1].carried.transactions;
    EXPECT_EQ(uncommissioned->writeConfigProperties({goodSet()[0]})[0].text, QStringLiteral("23,50"));
    EXPECT_EQ(platform.admin().get(Demo, QStringLiteral("F2/ROU_5"), Setpoint), QStringLiteral("23,50"));
    EXPECT_EQ(platform.admin().channels(Demo)[1].carried.transactions, second);
}

// What a transfer is told beforehand is what the channel then counts for the calls.
TEST_F(CpSetTest, TheFloorGivenBeforehandIsTheFloorTheChannelCounts)
{
    platform.admin().setTransactionTime(Demo, 11);
    const auto floorOf = [&](const std::function<void()>& call) {
        const qint64 before = platform.admin().channels(Demo).first().floorNs();
        call();
        return platform.admin().channels(Demo).first().floorNs() - before;
    };
    const qint64 setFloor = device->configPropertiesWriteFloorNs(goodSet());
    EXPECT_GT(setFloor, 0);
    EXPECT_EQ(floorOf([&] { device->writeConfigProperties(goodSet()); }), setFloor);
    EXPECT_EQ(floorOf([&] { device->state(); }), device->stateQueryFloorNs());

    // Nothing travels for a device that is not online or a set the device would refuse.
    const auto uncommissioned = platform.device(QStringLiteral("F2"), QStringLiteral("ROU_5"));
    EXPECT_EQ(uncommissioned->configPropertiesWriteFloorNs(goodSet()), 0);
    QList<lns::CpSetValue> unknown = goodSet();
    unknown[1].id = QStringLiteral("F:1/C:0:99");
    EXPECT_EQ(device->configPropertiesWriteFloorNs(unknown), 0);
}
