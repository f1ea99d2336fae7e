#include "registration/ProcessSelfLauncher.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(ProcessSelfLauncherTest, OnlyARunThatEndsWellIsASuccess)
{
    EXPECT_EQ(ProcessSelfLauncher(QStringLiteral("/bin/true")).start(QStringLiteral("/regserver")),
              std::nullopt);

    const std::optional<QString> status =
        ProcessSelfLauncher(QStringLiteral("/bin/false")).start(QStringLiteral("/regserver"));
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->contains(QStringLiteral("failed with status 1"))) << status->toStdString();

    // What the child says about its failure is the description.
    const std::optional<QString> said =
        ProcessSelfLauncher(QStringLiteral("/bin/sh")).start(QStringLiteral("/regserver"));
    ASSERT_TRUE(said);
    EXPECT_TRUE(said->contains(QStringLiteral("/regserver"))) << said->toStdString();

    EXPECT_TRUE(
        ProcessSelfLauncher(QStringLiteral("/nonexistent/zep31-plugin")).start(QStringLiteral("/regserver")));
}

TEST(ProcessSelfLauncherTest, AChildThatDoesNotEndIsStoppedAndReported)
{
    const std::optional<QString> stuck =
        ProcessSelfLauncher(QStringLiteral("/bin/sleep"), 200ms).start(QStringLiteral("60"));
    ASSERT_TRUE(stuck);
    EXPECT_TRUE(stuck->contains(QStringLiteral("did not end in time"))) << stuck->toStdString();
}

} // namespace
