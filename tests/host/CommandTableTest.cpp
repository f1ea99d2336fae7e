#include "host/CommandTable.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandTableTest, HoldsTheTwoDeviceCommands)
{
    CommandTable table;
    EXPECT_FALSE(table.isFilled());
    table.fill();
    ASSERT_TRUE(table.isFilled());

    const PlugInCommand& configure = table.row(0);
    EXPECT_EQ(configure.CommandId, 13);
    EXPECT_EQ(configure.ObjectClassId, 7);
    EXPECT_EQ(configure.Name, QStringLiteral("Configure"));
    EXPECT_TRUE(configure.Description.isEmpty());
    EXPECT_TRUE(configure.IsDefault);
    EXPECT_EQ(configure.TargetKind, 3);
    EXPECT_TRUE(configure.LonMarkObjectName.isEmpty());

    const PlugInCommand& own = table.row(1);
    EXPECT_EQ(own.CommandId, 10000);
    EXPECT_EQ(own.ObjectClassId, 7);
    EXPECT_EQ(own.Name, QStringLiteral("Korvandel_zep31_PlugIn"));
    EXPECT_TRUE(own.Description.isEmpty());
    EXPECT_FALSE(own.IsDefault);
    EXPECT_EQ(own.TargetKind, 3);

    table.fill();
    EXPECT_EQ(table.row(1).CommandId, 10000);
    EXPECT_THROW(table.row(2), std::out_of_range);
    EXPECT_THROW(table.row(-1), std::out_of_range);
}

TEST(CommandNameTest, KnownIdsAndCustomCommands)
{
    EXPECT_EQ(CommandName(1), QStringLiteral("New"));
    EXPECT_EQ(CommandName(2), QStringLiteral("Edit Source"));
    EXPECT_EQ(CommandName(13), QStringLiteral("Configure"));
    EXPECT_EQ(CommandName(23), QStringLiteral("Report"));
    EXPECT_EQ(CommandName(50), QStringLiteral("Register"));
    EXPECT_EQ(CommandName(61), QStringLiteral("Monitor Recovery"));
    EXPECT_EQ(CommandName(70), QStringLiteral("Security Level"));
    EXPECT_EQ(CommandName(99), QStringLiteral("Custom command 99"));
    EXPECT_EQ(CommandName(10000), QStringLiteral("Custom command 10000"));
    EXPECT_EQ(CommandName(0), QStringLiteral("Custom command 0"));
    EXPECT_EQ(CommandName(-5), QStringLiteral("Custom command -5"));
}

TEST(ObjectClassNameTest, KnownIdsAndCustomIds)
{
    EXPECT_EQ(ObjectClassName(0), QStringLiteral("Object Server"));
    EXPECT_EQ(ObjectClassName(7), QStringLiteral("Application Device"));
    EXPECT_EQ(ObjectClassName(36), QStringLiteral("Device Template"));
    EXPECT_EQ(ObjectClassName(48), QStringLiteral("Detail Info"));
    EXPECT_EQ(ObjectClassName(50), QStringLiteral("Extension"));
    EXPECT_EQ(ObjectClassName(52), QStringLiteral("Recovery Status"));
    EXPECT_EQ(ObjectClassName(49), QStringLiteral("Custom ID =  49"));
    EXPECT_EQ(ObjectClassName(53), QStringLiteral("Custom ID =  53"));
    EXPECT_EQ(ObjectClassName(-1), QStringLiteral("Custom ID = -1"));
}

} // namespace
