#include "device/point_catalogue/PointTables.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace point_catalogue;

TEST(PointTablesTest, SlotBoundsAreEnforced)
{
    PointTables tables;
    EXPECT_NO_THROW(tables.cp(70));
    EXPECT_NO_THROW(tables.nvi(30));
    EXPECT_NO_THROW(tables.nvo(30));
    EXPECT_THROW(tables.cp(71), std::out_of_range);
    EXPECT_THROW(tables.cp(-1), std::out_of_range);
    EXPECT_THROW(tables.nvi(31), std::out_of_range);
    EXPECT_THROW(tables.nvo(31), std::out_of_range);
    EXPECT_THROW(tables.nvo(-1), std::out_of_range);
    const PointTables& readOnly = tables;
    EXPECT_THROW(readOnly.cp(71), std::out_of_range);
    EXPECT_THROW(readOnly.nvi(-1), std::out_of_range);

    // Catalogue positions end before the slots do.
    EXPECT_THROW(cpDefinition(65), std::out_of_range);
    EXPECT_THROW(nviDefinition(26), std::out_of_range);
    EXPECT_THROW(nvoDefinition(23), std::out_of_range);
    EXPECT_THROW(tables.fillNvi(26), std::out_of_range);
    EXPECT_THROW(tables.fillNvo(-1), std::out_of_range);
}

TEST(PointTablesTest, CpTableFillsEveryFieldButTheValue)
{
    PointTables tables;
    tables.cp(3).value = QStringLiteral("1");
    tables.fillCpTable();
    EXPECT_EQ(tables.cpCount, 65);
    EXPECT_EQ(tables.nviCount, 0);
    EXPECT_EQ(tables.cp(3).value, QStringLiteral("1"));

    EXPECT_EQ(tables.cp(0).name, QStringLiteral("UCPTtimeConfig"));
    EXPECT_EQ(tables.cp(0).id, QStringLiteral("N:1/C:3:45"));
    EXPECT_EQ(tables.cp(2).id, QStringLiteral("F:0/C:3:44"));
    EXPECT_EQ(tables.cp(6).name, QStringLiteral("UCPTbacklightMax"));
    EXPECT_EQ(tables.cp(56).id, QStringLiteral("F:9/C:0:34"));
    EXPECT_EQ(tables.cp(60).id, QStringLiteral("N:48/C:0:213"));
    EXPECT_EQ(tables.cp(61).id, QStringLiteral("N:49/C:3:12"));
    EXPECT_EQ(tables.cp(62).id, QStringLiteral("N:49/C:3:9"));
    EXPECT_EQ(tables.cp(64).owner, QStringLiteral("SccCommandModule"));
    EXPECT_EQ(tables.cp(64).id, QStringLiteral("F:11/C:0:49"));
    EXPECT_TRUE(tables.cp(65).name.isEmpty());

    QSet<QString> ids;
    const QRegularExpression format(QStringLiteral("^[FN]:(0|[1-9][0-9]*)/C:[03]:[1-9][0-9]*$"));
    for (int i = 0; i < tables.cpCount; ++i) {
        const CpEntry& entry = tables.cp(i);
        EXPECT_TRUE(entry.transmit) << i;
        EXPECT_EQ(entry.syncable, i != 59) << i;
        EXPECT_TRUE(format.match(entry.id).hasMatch()) << entry.id.toStdString();
        ids.insert(entry.id);
    }
    EXPECT_EQ(ids.size(), 65);
    EXPECT_EQ(tables.cp(59).name, QStringLiteral("SCPToffsetTemp"));
}

TEST(PointTablesTest, SwitchObjectsHaveSixPropertiesEach)
{
    const struct
    {
        const char* name;
        const char* type;
    } group[] = {{"SCPTmaxOut", "0:93"},    {"SCPTmaxSendTime", "0:49"},  {"SCPTminSendTime", "0:52"},
                 {"SCPTstepValue", "0:92"}, {"UCPTreverseDelay", "3:14"}, {"SCPTdriveTime", "0:45"}};
    for (int g = 0; g < 8; ++g) {
        for (int k = 0; k < 6; ++k) {
            const CpDefinition& definition = cpDefinition(7 + 6 * g + k);
            EXPECT_STREQ(definition.name, group[k].name);
            EXPECT_EQ(QString::fromLatin1(definition.owner), QStringLiteral("Switch[%1]").arg(g));
            EXPECT_EQ(QString::fromLatin1(definition.id),
                      QStringLiteral("F:%1/C:%2").arg(g + 1).arg(QLatin1String(group[k].type)));
        }
    }
    EXPECT_STREQ(cpDefinition(55).name, "SCPTmaxSendTime");
    EXPECT_STREQ(cpDefinition(55).owner, "Occupancy_Sensor");
}

TEST(PointTablesTest, ArrayPropertiesAndValueTypes)
{
    for (int i = 0; i < PointTables::CpTotal; ++i) {
        const int expected = i == 2 ? 12 : (i == 5 || i == 6) ? 2 : 1;
        EXPECT_EQ(cpDefinition(i).elements, expected) << i;
    }
    EXPECT_STREQ(cpDefinition(2).valueType, "UNVT_str_hex4");
    EXPECT_STREQ(cpDefinition(5).valueType, "SNVT_lev_cont");
    EXPECT_STREQ(cpDefinition(56).valueType, "SNVT_time_min");
    EXPECT_STREQ(cpDefinition(59).valueType, "SNVT_temp_p");
}

TEST(PointTablesTest, InputsCarryIndexOwnerAndTag)
{
    PointTables tables;
    tables.nvi(9).value = QStringLiteral("21.5");
    for (int i = 0; i < PointTables::NviTotal; ++i)
        tables.fillNvi(i);
    EXPECT_EQ(tables.nviCount, 0);
    for (int k = 1; k <= 8; ++k) {
        const NvEntry& entry = tables.nvi(k - 1);
        EXPECT_EQ(entry.name, QStringLiteral("nviSwitchFb_%1").arg(k));
        EXPECT_EQ(entry.nvIndex, k + 3);
        EXPECT_EQ(entry.owner, QStringLiteral("Switch[%1]").arg(k - 1));
    }
    EXPECT_EQ(tables.nvi(8).nvIndex, 29);
    EXPECT_EQ(tables.nvi(8).owner, QStringLiteral("Scene_Panel"));
    EXPECT_EQ(tables.nvi(9).value, QStringLiteral("21.5"));
    EXPECT_EQ(tables.nvi(19).name, QStringLiteral("nviTempOutdoor"));
    EXPECT_EQ(tables.nvi(19).nvIndex, 41);
    EXPECT_EQ(tables.nvi(24).nvIndex, 46);
    EXPECT_EQ(tables.nvi(25).name, QStringLiteral("nviTimeSet"));
    EXPECT_EQ(tables.nvi(25).nvIndex, 1);
    EXPECT_EQ(tables.nvi(25).owner, QStringLiteral("NodeObject"));
    for (int i = 0; i < PointTables::NviTotal; ++i)
        EXPECT_EQ(tables.nvi(i).tag, i + 1);
    EXPECT_STREQ(nviDefinition(12).type, "SNVT_hvac_status");
    EXPECT_EQ(nviDefinition(12).typeIndex, 112);
}

TEST(PointTablesTest, OutputsInterleavePerSwitchObject)
{
    PointTables tables;
    for (int i = 0; i < PointTables::NvoTotal; ++i)
        tables.fillNvo(i);
    for (int k = 1; k <= 8; ++k) {
        const NvEntry& output = tables.nvo(2 * (k - 1));
        const NvEntry& setting = tables.nvo(2 * (k - 1) + 1);
        EXPECT_EQ(output.name, QStringLiteral("nvoSwitch_%1").arg(k));
        EXPECT_EQ(setting.name, QStringLiteral("nvoSetting_%1").arg(k));
        EXPECT_EQ(output.nvIndex, 11 + k);
        EXPECT_EQ(setting.nvIndex, 19 + k);
        EXPECT_EQ(output.owner, QStringLiteral("Switch[%1]").arg(k - 1));
        EXPECT_EQ(setting.owner, output.owner);
        EXPECT_STREQ(nvoDefinition(2 * (k - 1) + 1).type, "SNVT_setting");
    }
    EXPECT_EQ(tables.nvo(16).name, QStringLiteral("nvoOsOccup"));
    EXPECT_EQ(tables.nvo(16).nvIndex, 28);
    EXPECT_EQ(tables.nvo(17).nvIndex, 30);
    EXPECT_EQ(tables.nvo(22).name, QStringLiteral("nvoEffectOccup"));
    EXPECT_EQ(tables.nvo(22).nvIndex, 51);
    for (int i = 0; i < PointTables::NvoTotal; ++i)
        EXPECT_EQ(tables.nvo(i).tag, i + 200);
}

TEST(PointTablesTest, EveryNvIndexBelongsToOnePoint)
{
    QSet<int> indices;
    for (int i = 0; i < PointTables::NviTotal; ++i)
        indices.insert(nviDefinition(i).nvIndex);
    for (int i = 0; i < PointTables::NvoTotal; ++i)
        indices.insert(nvoDefinition(i).nvIndex);
    EXPECT_EQ(indices.size(), PointTables::NviTotal + PointTables::NvoTotal);
}

} // namespace
