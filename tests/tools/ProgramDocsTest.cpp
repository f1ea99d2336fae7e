// The programs' manual pages and bash completions, checked against what the programs built beside
// the test say about themselves, so that neither can drift from them.
#include "CountInWords.h"
#include "host/PlugInIdentity.h"
#include "lns/PlatformAdmin.h"
#include "support/TempLonWorksHome.h"
#include "transfer/DeviceTransfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct ProgramRun
{
    int code = -1;
    QString out;
};

// Runs a program from beside the test, without a display.
ProgramRun run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, arguments);
    ProgramRun result;
    if (!process.waitForFinished(60000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    return result;
}

// A file below the build folder as it is below the installation prefix ("share/man/...").
QString staged(const QString& relativePath)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + relativePath);
}

// The long options ("--name") in a text; with `switches` also the plug-in's "/name" and
// "-Embedding" switches, but not the first folder of a path such as /usr/share.
QStringList options(const QString& text, bool switches = false)
{
    static const QRegularExpression longOption(QStringLiteral("(?<![\\w-])--[a-z][a-z0-9-]*"));
    static const QRegularExpression plugInSwitch(
        QStringLiteral("(?<![\\w/])(/[a-z]+(?![\\w/])|-Embedding\\b)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : longOption.globalMatch(text))
        found.insert(match.captured(0));
    for (const QRegularExpressionMatch& match : plugInSwitch.globalMatch(switches ? text : QString()))
        found.insert(match.captured(1));
    QStringList list(found.begin(), found.end());
    list.sort();
    return list;
}

// The "Commands:" section of a help: each command with the text of its lines.
QMap<QString, QString> commands(const QString& help)
{
    static const QRegularExpression commandLine(QStringLiteral("^  ([a-z][a-z-]*)"));
    QMap<QString, QString> found;
    QString current;
    const QString section =
        help.section(QStringLiteral("Commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    for (const QString& line : section.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch match = commandLine.match(line); match.hasMatch())
            current = match.captured(1);
        if (!current.isEmpty())
            found[current] += line + QLatin1Char('\n');
    }
    return found;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList split(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QStringList Programs{QStringLiteral("zep31-plugin"), QStringLiteral("lnsdirector"),
                           QStringLiteral("lns-netdb"), QStringLiteral("zep31ctl")};

QString manualPageFile(const QString& program)
{
    return staged(QStringLiteral("share/man/man1/") + program + QStringLiteral(".1.gz"));
}

// The installed page up to its examples (which show other programs' options too), with roff's
// escapes for minus signs, fonts and quotes taken out.
QString manualPageText(const QString& program)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), manualPageFile(program)});
    if (!gzip.waitForFinished(10000) || gzip.exitCode() != 0)
        return {};
    QString text =
        QString::fromUtf8(gzip.readAllStandardOutput()).section(QStringLiteral(".SH EXAMPLES"), 0, 0);
    static const QRegularExpression fonts(QStringLiteral("\\\\f[BIRP]"));
    static const QRegularExpression characters(QStringLiteral("\\\\\\(.."));
    return text.replace(QStringLiteral("\\-"), QStringLiteral("-"))
        .remove(fonts)
        .replace(characters, QStringLiteral("\""));
}

} // namespace

TEST(ManualPagesTest, NameExactlyTheOptionsOfTheHelp)
{
    for (const QString& program : Programs) {
        const ProgramRun help = run(program, {QStringLiteral("--help")});
        ASSERT_EQ(help.code, 0) << program.toStdString();
        const QString page = manualPageText(program);
        ASSERT_FALSE(page.isEmpty()) << manualPageFile(program).toStdString();
        const bool switches = program == QLatin1String("zep31-plugin");
        EXPECT_EQ(options(page, switches).join(QLatin1Char(' ')).toStdString(),
                  options(help.out, switches).join(QLatin1Char(' ')).toStdString())
            << program.toStdString();
    }
}

// The help, the manual page and the README state the transfer's retry count as its policy has it.
TEST(ManualPagesTest, StateTheRetryCountOfTheTransfer)
{
    const QString stated =
        QStringLiteral("repeated %1 times").arg(countInWords(DeviceTransfer::Retries.silentRetries));
    EXPECT_TRUE(
        run(QStringLiteral("zep31ctl"), {QStringLiteral("--help")}).out.simplified().contains(stated));
    EXPECT_TRUE(manualPageText(QStringLiteral("zep31ctl")).simplified().contains(stated));
    QFile readme(QStringLiteral(ZEP31_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(readme.readAll()).simplified().contains(stated));
}

TEST(ManualPagesTest, EveryProgramTellsTheVersionTheRegistrationRecords)
{
    for (const QString& program : Programs) {
        const ProgramRun version = run(program, {QStringLiteral("--version")});
        EXPECT_EQ(version.code, 0) << program.toStdString();
        EXPECT_EQ(version.out, program + QLatin1Char(' ') + plugin_identity::Version + QLatin1Char('\n'));
    }
}

namespace {

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

    // The sorted candidates of the program's completion for `typed`, whose last word (after the
    // last blank) is the one being completed. The program is named by its path in the build, so
    // the completion asks the lns-netdb beside it.
    static QStringList complete(const QString& program, const QString& typed)
    {
        const QString function =
            QStringLiteral("_") + QString(program).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString script = QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\"); "
                                              "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); ") +
                               function + QStringLiteral("; printf '%s\\n' \"${COMPREPLY[@]}\"");
        QProcess bash;
        bash.start(QStringLiteral("bash"),
                   QStringList{QStringLiteral("--norc"), QStringLiteral("-c"), script, QStringLiteral("bash"),
                               staged(QStringLiteral("share/bash-completion/completions/") + program),
                               QCoreApplication::applicationDirPath() + QLatin1Char('/') + program} +
                       typed.split(QLatin1Char(' ')));
        if (!bash.waitForFinished(60000) || bash.exitCode() != 0)
            return {QStringLiteral("bash failed: ") + QString::fromUtf8(bash.readAllStandardError())};
        return sorted(
            QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }

    QStringList devicesStartingWith(const QString& start, const QString& prefix = QString()) const
    {
        QStringList found;
        for (const QString& device : demoDevices)
            if ((prefix + device).startsWith(start))
                found.append(prefix + device);
        return sorted(found);
    }

    TempLonWorksHome home;
    lnssim::PlatformAdmin admin{home.path()};
    QStringList demoDevices;
};

} // namespace

TEST_F(CompletionTest, NetworksDevicesAndOptionValuesComeFromTheTools)
{
    admin.addNetwork(QStringLiteral("Plant"));
    const struct
    {
        const char* program;
        const char* typed;
        QStringList candidates;
    } cases[] = {
        {"zep31ctl", "read ", split("Demo Plant")},
        {"zep31ctl", "read P", split("Plant")},
        {"zep31ctl", "read Demo ", devicesStartingWith(QString())},
        {"zep31ctl", "report Demo F1/", devicesStartingWith(QStringLiteral("F1/"))},
        {"zep31ctl", "read Nowhere ", {}},
        // Options and their values do not count as arguments.
        {"zep31ctl", "apply --program-id 9FFF3C0A00060417 Demo floor.par F1/ROU_1 F1/",
         devicesStartingWith(QStringLiteral("F1/"))},
        {"zep31ctl", "read Demo F1/ROU_1 --format ", split("csv json text")},
        {"zep31ctl", "export a.par --format ", split("csv json")},
        {"zep31ctl", "drift ", split("Demo Plant")},
        {"zep31ctl", "restore Demo backup F2/", devicesStartingWith(QStringLiteral("F2/"))},
        {"lns-netdb", "remove-device Demo F1/", devicesStartingWith(QStringLiteral("F1/"))},
        {"lnsdirector", "--network ", split("Demo Plant")},
        {"lnsdirector", "--network Demo open Demo/F1",
         devicesStartingWith(QStringLiteral("Demo/F1"), QStringLiteral("Demo/"))},
        {"lnsdirector", "open Demo/F1/ROU_1 --command ", split("10000 13")},
        {"lnsdirector", "register ", {}},
        {"lns-netdb", "get Demo ", devicesStartingWith(QString())},
        {"lns-netdb", "fault Demo F1/ROU_1 --offline ", split("no yes")},
        {"lns-netdb", "fault Demo F1/ROU_1 --fail-next Cp", split("CpRead CpWrite")},
        {"lns-netdb", "reg query ", split("HKCU HKLM")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(complete(QString::fromLatin1(c.program), QString::fromLatin1(c.typed)), c.candidates)
            << c.program << " " << c.typed;
}

// The completions cannot drift from the programs: they offer exactly the commands the --help
// lists and, for each command, exactly the options the help names for it.
TEST_F(CompletionTest, OfferTheCommandsAndOptionsOfTheHelp)
{
    for (const QString& program : {QStringLiteral("zep31ctl"), QStringLiteral("lns-netdb")}) {
        const QString help = run(program, {QStringLiteral("--help")}).out;
        const QMap<QString, QString> listed = commands(help);
        ASSERT_FALSE(listed.isEmpty()) << program.toStdString();
        EXPECT_EQ(complete(program, QString()), sorted(listed.keys())) << program.toStdString();
        EXPECT_EQ(complete(program, QStringLiteral("-")),
                  options(help.section(QStringLiteral("\n\n"), 0, 0)));
        for (auto command = listed.cbegin(); command != listed.cend(); ++command)
            EXPECT_EQ(complete(program, command.key() + QStringLiteral(" -")), options(command.value()))
                << program.toStdString() << ' ' << command.key().toStdString();
    }
    const QString help = run(QStringLiteral("lnsdirector"), {QStringLiteral("--help")}).out;
    EXPECT_EQ(complete(QStringLiteral("lnsdirector"), QStringLiteral("--")), options(help));
    EXPECT_EQ(complete(QStringLiteral("lnsdirector"), QString()), split("deregister open plugins register"));
}
