#include "ProgramHelp.h"
#include "host/PlugInIdentity.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

using program_help::options;
using program_help::run;
using program_help::staged;

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

std::string sorted(const QSet<QString>& set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list.join(QLatin1Char(' ')).toStdString();
}

} // namespace

// The manual pages cannot drift from the programs: each names exactly the options (and the
// plug-in's switches) its program's --help names.
TEST(ManualPagesTest, NameExactlyTheOptionsOfTheHelp)
{
    for (const QString& program : Programs) {
        const program_help::Run help = run(program, {QStringLiteral("--help")});
        ASSERT_EQ(help.code, 0) << program.toStdString() << ": " << help.err.toStdString();
        const QString page = manualPageText(program);
        ASSERT_FALSE(page.isEmpty()) << manualPageFile(program).toStdString();
        const bool switches = program == QLatin1String("zep31-plugin");
        EXPECT_EQ(sorted(options(page, switches)), sorted(options(help.out, switches)))
            << program.toStdString();
    }
}

TEST(ManualPagesTest, EveryProgramTellsTheVersionTheRegistrationRecords)
{
    for (const QString& program : Programs) {
        const program_help::Run version = run(program, {QStringLiteral("--version")});
        EXPECT_EQ(version.code, 0) << program.toStdString();
        EXPECT_EQ(version.out, program + QLatin1Char(' ') + plugin_identity::Version + QLatin1Char('\n'));
    }
}

TEST(ManualPagesTest, PassMandocsLint)
{
    const QString mandoc = QStandardPaths::findExecutable(QStringLiteral("mandoc"));
    if (mandoc.isEmpty())
        GTEST_SKIP() << "mandoc is not installed";
    for (const QString& program : Programs) {
        QProcess lint;
        lint.setProcessChannelMode(QProcess::MergedChannels);
        lint.start(mandoc, {QStringLiteral("-T"), QStringLiteral("lint"), manualPageFile(program)});
        ASSERT_TRUE(lint.waitForFinished(10000));
        EXPECT_EQ(lint.exitCode(), 0) << program.toStdString() << ": " << lint.readAll().toStdString();
    }
}
