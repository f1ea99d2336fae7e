#include "registration/ProcessSelfLauncher.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(ProcessSelfLauncherTest, OnlyARunThatEndsWellIsASuccess)
{
    EXPECT_TRUE(ProcessSelfLauncher(QStringLiteral("/bin/true")).start(QStringLiteral("/regserver")));

    const Expected<void> status =
        ProcessSelfLauncher(QStringLiteral("/bin/false")).start(QStringLiteral("/regserver"));
    ASSERT_FALSE(status);
    EXPECT_TRUE(status.error().contains(QStringLiteral("failed with status 1")))
        << status.error().toStdString();

    // What the child says about its failure is the description.
    const Expected<void> said =
        ProcessSelfLauncher(QStringLiteral("/bin/sh")).start(QStringLiteral("/regserver"));
    ASSERT_FALSE(said);
    EXPECT_TRUE(said.error().contains(QStringLiteral("/regserver"))) << said.error().toStdString();

    EXPECT_FALSE(
        ProcessSelfLauncher(QStringLiteral("/nonexistent/zep31-plugin")).start(QStringLiteral("/regserver")));
}

TEST(ProcessSelfLauncherTest, TheChildsOwnNameIsNotRepeatedInTheDescription)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("zep31-plugin"));
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho 'zep31-plugin: the activation file cannot be written' >&2\nexit 1\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    const Expected<void> said = ProcessSelfLauncher(program).start(QStringLiteral("/regserver"));
    ASSERT_FALSE(said);
    EXPECT_EQ(said.error(), QStringLiteral("the activation file cannot be written"));
}

TEST(ProcessSelfLauncherTest, AChildThatDoesNotEndIsStoppedAndReported)
{
    const Expected<void> stuck =
        ProcessSelfLauncher(QStringLiteral("/bin/sleep"), 200ms).start(QStringLiteral("60"));
    ASSERT_FALSE(stuck);
    EXPECT_TRUE(stuck.error().contains(QStringLiteral("did not end in time"))) << stuck.error().toStdString();
}

} // namespace
