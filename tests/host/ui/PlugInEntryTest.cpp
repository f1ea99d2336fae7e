#include "entry/ui/PlugInEntry.h"

#include "host/ActivationFile.h"
#include "host/CRegistry.h"
#include "host/RegistryKeys.h"
#include "host/support/FakePlugInWindow.h"
#include "registration/support/FakeSelfLauncher.h"
#include "support/PlugInTestContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Sets or clears an environment variable for one test.
class ScopedEnvironment final
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_previous(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_previous;
    bool m_had;
};

class PlugInEntryTest : public ::testing::Test
{
protected:
    QString value(const QString& name)
    {
        return CRegistry(m_test.registry).MachineSetting(registry_keys::PlugInKey, name);
    }

    PlugInTestContext m_test;
    FakeSelfLauncher m_launcher;
    ScopedEnvironment m_notActivated{"DBUS_STARTER_BUS_TYPE", QByteArray()};
    PlugInEntry m_entry{m_test.context, [](AppContext&) { return std::make_unique<FakePlugInWindow>(); },
                        m_launcher};
};

} // namespace

TEST_F(PlugInEntryTest, RegistrationSwitchRegistersSilentlyAndEnds)
{
    const PlugInEntry::Result result =
        m_entry.run({QStringLiteral("/RegPlugIn"), QStringLiteral("/English")});
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(value(QStringLiteral("Language")), QStringLiteral("english"));
    EXPECT_EQ(m_launcher.arguments(), QStringList{QStringLiteral("/regserver")});
    EXPECT_EQ(m_entry.dialog(), nullptr);
}

TEST_F(PlugInEntryTest, NewerRegistrationEndsWithItsOwnExitCode)
{
    CRegistry registry(m_test.registry);
    registry.setMachineSetting(registry_keys::PlugInKey, QString(), registry_keys::ProgId);
    registry.setMachineSetting(registry_keys::PlugInKey, QStringLiteral("Version"), QStringLiteral("1.10"));
    const PlugInEntry::Result result = m_entry.run({QStringLiteral("/regplugin")});
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_EQ(result.exitCode, PlugInEntry::ExitNewerVersionRegistered);
}

TEST_F(PlugInEntryTest, DeregistrationModesAllRunTheFullDeregistration)
{
    m_entry.run({QStringLiteral("/regplugin"), QStringLiteral("/english")});
    m_test.ui.setRelaxed(UiServices::Answer::Ok);
    const PlugInEntry::Result result =
        m_entry.run({QStringLiteral("/deregplugin"), QStringLiteral("/deregmode:0")});
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_FALSE(m_test.registry.keyExists(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey));
    // The progress window was shown: the networks were visited.
    EXPECT_EQ(m_test.progress.statuses().first(), QStringLiteral("Opening the Object Server..."));
}

TEST_F(PlugInEntryTest, AnythingElseShowsTheDialog)
{
    const PlugInEntry::Result result =
        m_entry.run({QStringLiteral("/regplugin"), QString(), QStringLiteral("/german")});
    EXPECT_TRUE(result.runEventLoop);
    ASSERT_NE(m_entry.dialog(), nullptr);
    EXPECT_TRUE(m_entry.dialog()->isVisible());
    EXPECT_FALSE(m_test.registry.keyExists(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey));

    // Closing the dialog ends the program.
    m_entry.dialog()->close();
    EXPECT_EQ(m_test.endProgramCalls, 1);
}

TEST_F(PlugInEntryTest, ActivationFileSwitches)
{
    QTemporaryDir dataHome;
    ScopedEnvironment xdg("XDG_DATA_HOME", dataHome.path().toUtf8());
    EXPECT_EQ(m_entry.run({QStringLiteral("/regserver")}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(ActivationFile::filePath()));
    EXPECT_EQ(m_entry.run({QStringLiteral("/unregserver")}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(ActivationFile::filePath()));
}

TEST_F(PlugInEntryTest, ServingWithoutABusEndsWithAClearError)
{
    ScopedEnvironment activated("DBUS_STARTER_BUS_TYPE", "session");
    ScopedEnvironment noBus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zep31-test-bus");
    // Started for a director, the switch is not acted upon.
    const PlugInEntry::Result result = m_entry.run({QStringLiteral("/regplugin")});
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_EQ(result.exitCode, PlugInEntry::ExitFailure);
    EXPECT_FALSE(m_test.registry.keyExists(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey));
    EXPECT_EQ(m_entry.dialog(), nullptr);
}
