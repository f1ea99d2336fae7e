#include "ProgramHelp.h"
#include "lns/PlatformAdmin.h"
#include "support/TempLonWorksHome.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using program_help::options;

struct Case
{
    QStringList words;
    QStringList candidates;
};

// The demo network in a private home and the completions the build stages where bash-completion
// finds them, driven as bash drives them on Tab.
class CompletionTest : public ::testing::Test
{
protected:
    CompletionTest()
    {
        admin.createDemo();
        demoDevices = admin.devicePaths(QStringLiteral("Demo"));
    }

    // The candidates of `program`'s completion function for the words typed so far; the last word is
    // the one being completed. The program is named by its path in the build, whose lns-netdb the
    // completion asks.
    static QStringList complete(const QString& program, const QStringList& typed)
    {
        QString function = QStringLiteral("_") + program;
        function.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString script = QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\"); "
                                              "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); ") +
                               function + QStringLiteral("; printf '%s\\n' \"${COMPREPLY[@]}\"");
        QProcess bash;
        bash.start(
            QStringLiteral("bash"),
            QStringList{QStringLiteral("--norc"), QStringLiteral("--noprofile"), QStringLiteral("-c"), script,
                        QStringLiteral("bash"),
                        program_help::staged(QStringLiteral("share/bash-completion/completions/") + program),
                        QCoreApplication::applicationDirPath() + QLatin1Char('/') + program} +
                typed);
        if (!bash.waitForFinished(60000) || bash.exitCode() != 0)
            return {QStringLiteral("bash failed: ") + QString::fromUtf8(bash.readAllStandardError())};
        QStringList candidates =
            QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        candidates.sort();
        return candidates;
    }

    static QStringList sorted(QStringList list)
    {
        list.sort();
        return list;
    }

    void expectCandidates(const QString& program, const QList<Case>& cases) const
    {
        for (const Case& c : cases)
            EXPECT_EQ(complete(program, c.words), sorted(c.candidates))
                << c.words.join(QLatin1Char(' ')).toStdString();
    }

    // The options the completion offers after the words, and those the help names for the command.
    void expectOptionsOfTheHelp(const QString& program) const
    {
        const QString help = program_help::run(program, {QStringLiteral("--help")}).out;
        const auto commands = program_help::commands(help);
        ASSERT_FALSE(commands.isEmpty()) << program.toStdString();
        EXPECT_EQ(complete(program, {QString()}), sorted(commands.keys())) << program.toStdString();
        EXPECT_EQ(complete(program, {QStringLiteral("-")}),
                  sorted(options(program_help::usage(help)).values()));
        for (auto command = commands.cbegin(); command != commands.cend(); ++command)
            EXPECT_EQ(complete(program, {command.key(), QStringLiteral("-")}),
                      sorted(options(command.value()).values()))
                << program.toStdString() << ' ' << command.key().toStdString();
    }

    TempLonWorksHome home;
    lnssim::PlatformAdmin admin{home.path()};
    QStringList demoDevices;
};

} // namespace

TEST_F(CompletionTest, Zep31ctlCompletesNetworksDevicesAndValues)
{
    admin.addNetwork(QStringLiteral("Plant"));
    QStringList floor1;
    for (const QString& device : demoDevices)
        if (device.startsWith(QStringLiteral("F1/")))
            floor1.append(device);
    ASSERT_FALSE(floor1.isEmpty());
    expectCandidates(
        QStringLiteral("zep31ctl"),
        {
            {{QStringLiteral("read"), QString()}, {QStringLiteral("Demo"), QStringLiteral("Plant")}},
            {{QStringLiteral("read"), QStringLiteral("P")}, {QStringLiteral("Plant")}},
            {{QStringLiteral("read"), QStringLiteral("Demo"), QString()}, demoDevices},
            {{QStringLiteral("report"), QStringLiteral("Demo"), QStringLiteral("F1/")}, floor1},
            {{QStringLiteral("read"), QStringLiteral("Nowhere"), QString()}, {}},
            // Options and their values are skipped when counting the arguments.
            {{QStringLiteral("apply"), QStringLiteral("--program-id"), QStringLiteral("9FFF3C0A00060417"),
              QStringLiteral("Demo"), QStringLiteral("floor.par"), QStringLiteral("F1/ROU_1"),
              QStringLiteral("F1/")},
             floor1},
            {{QStringLiteral("read"), QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
              QStringLiteral("--format"), QString()},
             {QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("csv")}},
            {{QStringLiteral("export"), QStringLiteral("a.par"), QStringLiteral("--format"), QString()},
             {QStringLiteral("json"), QStringLiteral("csv")}},
        });
}

TEST_F(CompletionTest, LnsdirectorCompletesObjectNamesOfTheNetwork)
{
    QStringList objectNames;
    for (const QString& device : demoDevices)
        objectNames.append(QStringLiteral("Demo/") + device);
    expectCandidates(
        QStringLiteral("lnsdirector"),
        {
            {{QString()},
             {QStringLiteral("plugins"), QStringLiteral("register"), QStringLiteral("deregister"),
              QStringLiteral("open")}},
            {{QStringLiteral("--network"), QString()}, {QStringLiteral("Demo")}},
            {{QStringLiteral("--network"), QStringLiteral("Demo"), QStringLiteral("open"), QString()},
             objectNames},
            {{QStringLiteral("open"), QStringLiteral("Demo/F1/ROU_1"), QStringLiteral("--command"),
              QString()},
             {QStringLiteral("13"), QStringLiteral("10000")}},
            {{QStringLiteral("register"), QString()}, {}},
        });
    const QString help = program_help::run(QStringLiteral("lnsdirector"), {QStringLiteral("--help")}).out;
    EXPECT_EQ(complete(QStringLiteral("lnsdirector"), {QStringLiteral("--")}),
              sorted(options(help).values()));
}

TEST_F(CompletionTest, LnsNetdbCompletesDevicesAndTheValuesOfItsOptions)
{
    expectCandidates(QStringLiteral("lns-netdb"),
                     {
                         {{QStringLiteral("get"), QStringLiteral("Demo"), QString()}, demoDevices},
                         {{QStringLiteral("fault"), QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
                           QStringLiteral("--offline"), QString()},
                          {QStringLiteral("yes"), QStringLiteral("no")}},
                         {{QStringLiteral("fault"), QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
                           QStringLiteral("--fail-next"), QStringLiteral("Cp")},
                          {QStringLiteral("CpRead"), QStringLiteral("CpWrite")}},
                         {{QStringLiteral("reg"), QString()},
                          {QStringLiteral("query"), QStringLiteral("set"), QStringLiteral("delete")}},
                         {{QStringLiteral("reg"), QStringLiteral("query"), QString()},
                          {QStringLiteral("HKLM"), QStringLiteral("HKCU")}},
                     });
}

// The completions cannot drift from the programs: for every command they offer exactly the
// options the program's --help names for it.
TEST_F(CompletionTest, OfferTheCommandsAndOptionsOfTheHelp)
{
    expectOptionsOfTheHelp(QStringLiteral("zep31ctl"));
    expectOptionsOfTheHelp(QStringLiteral("lns-netdb"));
}
