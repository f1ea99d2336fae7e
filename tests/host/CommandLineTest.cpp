#include "entry/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

// Sets or clears an environment variable for one test.
class ScopedEnvironment final
{
public:
    ScopedEnvironment(const char* name, const char* value)
        : m_name(name), m_previous(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
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

} // namespace

TEST(CommandLineTest, SwitchesMatchExactlyAfterTrimAndLowerCase)
{
    EXPECT_EQ(CommandLine::interpret(QStringLiteral("  /REGPLUGIN  ")).action, Action::RegisterPlugIn);
    EXPECT_TRUE(CommandLine::interpret(QStringLiteral("/RegPlugIn")).language.isEmpty());
    EXPECT_EQ(CommandLine::interpret(QStringLiteral("/regplugin /German")).language,
              QStringLiteral("german"));
    EXPECT_EQ(CommandLine::interpret(QStringLiteral("/regplugin /english")).language,
              QStringLiteral("english"));
    EXPECT_EQ(CommandLine::interpret(QStringLiteral("/deregplugin")).action, Action::DeregisterPlugIn);
    for (const char* mode :
         {"/deregplugin /deregmode:-1", "/deregplugin /deregmode:0", "/deregplugin /deregmode:1"})
        EXPECT_EQ(CommandLine::interpret(QString::fromLatin1(mode)).action, Action::DeregisterPlugIn) << mode;
}

TEST(CommandLineTest, AnythingElseShowsTheDialog)
{
    for (const char* line :
         {"", "   ", "/regplugin  /german", "/regplugin /french", "/deregplugin /deregmode:2", "regplugin",
          "/regplugin/german", "/deregplugin /deregmode:", "\t/regplugin\t"})
        EXPECT_EQ(CommandLine::interpret(QString::fromLatin1(line)).action, Action::ShowDialog)
            << '"' << line << '"';
}

TEST(CommandLineTest, RawCommandLineJoinsTheArgumentsWithBlanks)
{
    EXPECT_EQ(CommandLine::raw({QStringLiteral("/regplugin"), QStringLiteral("/german")}),
              QStringLiteral("/regplugin /german"));
    // Two arguments whose join has two blanks do not match.
    EXPECT_EQ(
        CommandLine::interpret(CommandLine::raw({QStringLiteral("/regplugin "), QStringLiteral("/german")}))
            .action,
        Action::ShowDialog);
    EXPECT_EQ(CommandLine::interpret(CommandLine::raw({})).action, Action::ShowDialog);
}

TEST(CommandLineTest, ServerRegistrationSwitches)
{
    EXPECT_EQ(CommandLine::interpret(QStringLiteral(" /regserver")).action, Action::RegisterServer);
    EXPECT_EQ(CommandLine::interpret(QStringLiteral("/UnRegServer")).action, Action::UnregisterServer);
}

TEST(CommandLineTest, StartModeFollowsActivationOrEmbedding)
{
    ScopedEnvironment starter("DBUS_STARTER_BUS_TYPE", nullptr);
    EXPECT_FALSE(CommandLine::startedByAutomation({QStringLiteral("/regplugin")}));
    EXPECT_TRUE(CommandLine::startedByAutomation({QStringLiteral("-Embedding")}));
    EXPECT_TRUE(
        CommandLine::startedByAutomation({QStringLiteral("/regplugin"), QStringLiteral("-embedding")}));
    {
        ScopedEnvironment activated("DBUS_STARTER_BUS_TYPE", "session");
        EXPECT_TRUE(CommandLine::startedByAutomation({QStringLiteral("/regplugin")}));
    }
    EXPECT_FALSE(CommandLine::startedByAutomation({}));
}
