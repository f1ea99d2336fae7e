#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/object_server/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

// Runs the built tool on the LonWorks home of the running test.
Result netdb(const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lns-netdb"), arguments);
    Result result;
    if (!process.waitForFinished(30000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(LnsNetdb, InitPreparesTheHomeAndTheRegistry)
{
    TempLonWorksHome home;
    ASSERT_EQ(
        netdb({QStringLiteral("init"), QStringLiteral("--decimal-separator"), QStringLiteral(",")}).code, 0);
    for (const char* folder :
         {"lns", "Types/User/Korvandel", "Import/Korvandel/zep31", "PlugIns/Korvandel/zep31"})
        EXPECT_TRUE(QDir(home.path()).exists(QLatin1String(folder))) << folder;
    EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("/Import/Korvandel/zep31/zep31_05.xif")));
    EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("/Import/Korvandel/zep31/zep31_06.xif")));

    const Result path = netdb({QStringLiteral("reg"), QStringLiteral("query"), QStringLiteral("HKLM"),
                               QStringLiteral("SOFTWARE\\LonWorks"), QStringLiteral("LonWorks Path")});
    EXPECT_EQ(path.code, 0);
    EXPECT_EQ(path.out.trimmed(), QDir(home.path()).absolutePath());
    const Result separator =
        netdb({QStringLiteral("reg"), QStringLiteral("query"), QStringLiteral("HKCU"),
               QStringLiteral("Control Panel\\International"), QStringLiteral("sDecimal")});
    EXPECT_EQ(separator.out.trimmed(), QStringLiteral(","));
    EXPECT_EQ(
        netdb({QStringLiteral("init"), QStringLiteral("--decimal-separator"), QStringLiteral(",,")}).code, 2);
}

TEST(LnsNetdb, DemoTwiceBuildsOneDemo)
{
    TempLonWorksHome home;
    ASSERT_EQ(
        netdb({QStringLiteral("init"), QStringLiteral("--decimal-separator"), QStringLiteral(",")}).code, 0);
    ASSERT_EQ(netdb({QStringLiteral("demo")}).code, 0);
    ASSERT_EQ(netdb({QStringLiteral("set"), QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
                     QStringLiteral("N:48/C:0:213"), QStringLiteral("19,00")})
                  .code,
              0);
    ASSERT_EQ(netdb({QStringLiteral("demo")}).code, 0);
    const QStringList devices = lines(netdb({QStringLiteral("devices"), QStringLiteral("Demo")}).out);
    ASSERT_EQ(devices.size(), 7);
    EXPECT_TRUE(devices[0].startsWith(QStringLiteral("F1/ROU_1, 9FFF3C0A00060417, 4, yes, ")));
    EXPECT_TRUE(devices[4].startsWith(QStringLiteral("F2/ROU_5, 9FFF3C0A00060417, 4, no, ")));
    EXPECT_TRUE(devices[5].startsWith(QStringLiteral("F2/ROU_6, 9FFF3C0A0006040F, 2, yes, ")));
    // Rebuilt from scratch: the value set before is gone.
    EXPECT_EQ(netdb({QStringLiteral("get"), QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
                     QStringLiteral("N:48/C:0:213")})
                  .out.trimmed(),
              QStringLiteral("22,00"));
}

TEST(LnsNetdb, BuildsNetworksAndReportsBadInput)
{
    DemoPlatform platform;
    EXPECT_EQ(netdb({QStringLiteral("add-network"), QStringLiteral("Plant")}).code, 0);
    EXPECT_EQ(netdb({QStringLiteral("add-subsystem"), QStringLiteral("Plant"), QStringLiteral("Hall"),
                     QStringLiteral("--path"), QStringLiteral("Site/Hall")})
                  .code,
              0);
    const Result added = netdb({QStringLiteral("add-device"), QStringLiteral("Plant"), QStringLiteral("Hall"),
                                QStringLiteral("ROU_A"), QStringLiteral("--program-id"),
                                QStringLiteral("9FFF3C0A0006040F"), QStringLiteral("--state"),
                                QStringLiteral("6"), QStringLiteral("--commissioned"), QStringLiteral("no")});
    EXPECT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(added.out.trimmed().size(), 12);
    EXPECT_EQ(
        lines(netdb({QStringLiteral("devices"), QStringLiteral("Plant")}).out),
        QStringList{QStringLiteral("Hall/ROU_A, 9FFF3C0A0006040F, 6, no, %1").arg(added.out.trimmed())});

    const Result duplicate = netdb({QStringLiteral("add-network"), QStringLiteral("Plant")});
    EXPECT_EQ(duplicate.code, 1);
    EXPECT_TRUE(duplicate.err.contains(QStringLiteral("already exists")));
    EXPECT_EQ(netdb({QStringLiteral("add-device"), QStringLiteral("Plant"), QStringLiteral("Hall"),
                     QStringLiteral("ROU_B")})
                  .code,
              2);
    EXPECT_EQ(netdb({QStringLiteral("add-device"), QStringLiteral("Plant"), QStringLiteral("Hall"),
                     QStringLiteral("X"), QStringLiteral("--template"), QStringLiteral("Nope")})
                  .code,
              1);
    EXPECT_EQ(netdb({QStringLiteral("devices"), QStringLiteral("Nowhere")}).code, 1);
    EXPECT_EQ(netdb({QStringLiteral("frobnicate")}).code, 2);
    EXPECT_EQ(netdb({}).code, 2);
    const Result help = netdb({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: lns-netdb")));
    EXPECT_EQ(netdb({QStringLiteral("get"), QStringLiteral("Demo"), QStringLiteral("F1/ROU_1"),
                     QStringLiteral("nviSpaceTemp"), QStringLiteral("--bogus"), QStringLiteral("1")})
                  .code,
              2);
}

TEST(LnsNetdb, GetAndSetValuesWithElements)
{
    DemoPlatform platform;
    const QString device = QStringLiteral("F1/ROU_1");
    EXPECT_EQ(netdb({QStringLiteral("set"), QStringLiteral("Demo"), device, QStringLiteral("F:0/C:3:44"),
                     QStringLiteral("3,4,1,0"), QStringLiteral("--element"), QStringLiteral("7")})
                  .code,
              0);
    EXPECT_EQ(platform.cp(QStringLiteral("F1"), QStringLiteral("ROU_1"), QStringLiteral("F:0/C:3:44"))
                  ->elementValue(7),
              QStringLiteral("3,4,1,0"));
    EXPECT_EQ(netdb({QStringLiteral("get"), QStringLiteral("Demo"), device, QStringLiteral("F:0/C:3:44"),
                     QStringLiteral("--element"), QStringLiteral("7")})
                  .out.trimmed(),
              QStringLiteral("3,4,1,0"));
    // A negative value is not an option.
    EXPECT_EQ(netdb({QStringLiteral("set"), QStringLiteral("Demo"), device, QStringLiteral("nviSetptOffset"),
                     QStringLiteral("-1,50")})
                  .code,
              0);
    EXPECT_EQ(platform.nv(QStringLiteral("F1"), QStringLiteral("ROU_1"), 46)->value(),
              QStringLiteral("-1,50"));

    const Result invalid = netdb({QStringLiteral("set"), QStringLiteral("Demo"), device,
                                  QStringLiteral("nviSetptOffset"), QStringLiteral("warm")});
    EXPECT_EQ(invalid.code, 1);
    EXPECT_TRUE(invalid.err.contains(QStringLiteral("SNVT_temp_p")));
    EXPECT_EQ(platform.nv(QStringLiteral("F1"), QStringLiteral("ROU_1"), 46)->value(),
              QStringLiteral("-1,50"));
    EXPECT_EQ(netdb({QStringLiteral("get"), QStringLiteral("Demo"), device, QStringLiteral("F:0/C:3:44"),
                     QStringLiteral("--element"), QStringLiteral("12")})
                  .code,
              1);
    EXPECT_EQ(
        netdb({QStringLiteral("get"), QStringLiteral("Demo"), device, QStringLiteral("nviNothing")}).code, 1);
    EXPECT_EQ(netdb({QStringLiteral("get"), QStringLiteral("Demo"), device, QStringLiteral("F:0/C:3:44"),
                     QStringLiteral("--element"), QStringLiteral("x")})
                  .code,
              2);
}

TEST(LnsNetdb, StateFaultsAndTimingReachTheObjectServer)
{
    DemoPlatform platform;
    const QString device = QStringLiteral("F2/ROU_4");
    const auto rou4 = platform.device(QStringLiteral("F2"), QStringLiteral("ROU_4"));
    EXPECT_EQ(netdb({QStringLiteral("state"), QStringLiteral("Demo"), device, QStringLiteral("6"),
                     QStringLiteral("--commissioned"), QStringLiteral("no"), QStringLiteral("--test"),
                     QStringLiteral("yes")})
                  .code,
              0);
    EXPECT_EQ(rou4->state(), 6);
    EXPECT_FALSE(rou4->commissioned());
    EXPECT_TRUE(rou4->testFlag());
    EXPECT_EQ(netdb({QStringLiteral("state"), QStringLiteral("Demo"), device, QStringLiteral("4"),
                     QStringLiteral("--commissioned"), QStringLiteral("yes"), QStringLiteral("--test"),
                     QStringLiteral("no")})
                  .code,
              0);

    EXPECT_EQ(netdb({QStringLiteral("fault"), QStringLiteral("Demo"), device, QStringLiteral("--offline"),
                     QStringLiteral("yes")})
                  .code,
              0);
    EXPECT_EQ(error_probe::number([&] { rou4->state(); }), lns::errors::DeviceOffline);
    EXPECT_EQ(
        netdb({QStringLiteral("fault"), QStringLiteral("Demo"), device, QStringLiteral("--clear")}).code, 0);
    EXPECT_EQ(rou4->state(), 4);
    EXPECT_EQ(netdb({QStringLiteral("fault"), QStringLiteral("Demo"), device, QStringLiteral("--fail-next"),
                     QStringLiteral("StateQuery"), QStringLiteral("1")})
                  .code,
              0);
    EXPECT_EQ(error_probe::number([&] { rou4->state(); }), lns::errors::InjectedFault);
    EXPECT_EQ(rou4->state(), 4);
    EXPECT_EQ(netdb({QStringLiteral("fault"), QStringLiteral("Demo"), device, QStringLiteral("--rate"),
                     QStringLiteral("1")})
                  .code,
              0);
    EXPECT_EQ(error_probe::number([&] { rou4->state(); }), lns::errors::InjectedFault);

    EXPECT_EQ(netdb({QStringLiteral("fault"), QStringLiteral("Demo"), device, QStringLiteral("--fail-next"),
                     QStringLiteral("Sometimes"), QStringLiteral("1")})
                  .code,
              2);
    EXPECT_EQ(netdb({QStringLiteral("fault"), QStringLiteral("Demo"), device, QStringLiteral("--rate"),
                     QStringLiteral("1"), QStringLiteral("--clear")})
                  .code,
              2);
    EXPECT_EQ(netdb({QStringLiteral("timing"), QStringLiteral("Demo"), QStringLiteral("--transaction-ms"),
                     QStringLiteral("11")})
                  .code,
              0);
    EXPECT_EQ(netdb({QStringLiteral("timing"), QStringLiteral("Demo")}).code, 2);
    EXPECT_EQ(netdb({QStringLiteral("mode"), QStringLiteral("Demo"), QStringLiteral("1")}).code, 0);
    EXPECT_EQ(platform.system().mode(), 1);
}

TEST(LnsNetdb, ChannelsAreAddedListedAndDevicesMoved)
{
    DemoPlatform platform;
    const QString demo = QStringLiteral("Demo");
    const auto channels = [&] { return lines(netdb({QStringLiteral("channels"), demo}).out); };
    EXPECT_EQ(channels(),
              (QStringList{QStringLiteral("Floor 1, TP/FT-10, 3"), QStringLiteral("Floor 2, TP/FT-10, 4")}));

    EXPECT_EQ(netdb({QStringLiteral("add-channel"), demo, QStringLiteral("Backbone"),
                     QStringLiteral("--type"), QStringLiteral("IP-852")})
                  .code,
              0);
    const Result added =
        netdb({QStringLiteral("add-device"), demo, QStringLiteral("F2"), QStringLiteral("ROU_9"),
               QStringLiteral("--template"), QStringLiteral("Korvandel zep31_06"),
               QStringLiteral("--channel"), QStringLiteral("backbone")});
    EXPECT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(
        netdb({QStringLiteral("move-device"), demo, QStringLiteral("F1/ROU_1"), QStringLiteral("Backbone")})
            .code,
        0);
    EXPECT_EQ(channels(),
              (QStringList{QStringLiteral("Floor 1, TP/FT-10, 2"), QStringLiteral("Floor 2, TP/FT-10, 4"),
                           QStringLiteral("Backbone, IP-852, 2")}));

    // A wrong name is one line naming it and status 1; a wrong option is a usage error.
    const std::pair<QStringList, QString> wrong[] = {
        {{QStringLiteral("add-channel"), demo, QStringLiteral("floor 1")}, QStringLiteral("already exists")},
        {{QStringLiteral("add-channel"), QStringLiteral("Nowhere"), QStringLiteral("X")},
         QStringLiteral("No network named \"Nowhere\"")},
        {{QStringLiteral("move-device"), demo, QStringLiteral("F1/ROU_2"), QStringLiteral("Riser")},
         QStringLiteral("No channel named \"Riser\" in network \"Demo\"")},
        {{QStringLiteral("move-device"), demo, QStringLiteral("F1/ROU_99"), QStringLiteral("Backbone")},
         QStringLiteral("No device named \"ROU_99\"")},
        {{QStringLiteral("add-device"), demo, QStringLiteral("F2"), QStringLiteral("ROU_10"),
          QStringLiteral("--template"), QStringLiteral("Korvandel zep31_06"), QStringLiteral("--channel"),
          QStringLiteral("Riser")},
         QStringLiteral("No channel named \"Riser\"")},
        {{QStringLiteral("channels"), QStringLiteral("Nowhere")},
         QStringLiteral("No network named \"Nowhere\"")},
    };
    for (const auto& [arguments, message] : wrong) {
        const Result result = netdb(arguments);
        EXPECT_EQ(result.code, 1) << arguments.join(u' ').toStdString();
        EXPECT_EQ(lines(result.err).size(), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(message)) << result.err.toStdString();
    }
    EXPECT_EQ(platform.admin().devices(demo).size(), 8);
    EXPECT_EQ(netdb({QStringLiteral("add-channel"), demo, QStringLiteral("Riser"), QStringLiteral("--type"),
                     QStringLiteral("fibre")})
                  .code,
              2);
    EXPECT_EQ(netdb({QStringLiteral("move-device"), demo, QStringLiteral("F1/ROU_2")}).code, 2);
}

TEST(LnsNetdb, RegistryCommands)
{
    TempLonWorksHome home;
    ASSERT_EQ(netdb({QStringLiteral("init")}).code, 0);
    const QString key = QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Korvandel_zep31_PlugIn");
    EXPECT_EQ(netdb({QStringLiteral("reg"), QStringLiteral("set"), QStringLiteral("HKLM"), key, QString(),
                     QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI")})
                  .code,
              0);
    EXPECT_EQ(netdb({QStringLiteral("reg"), QStringLiteral("set"), QStringLiteral("HKLM"),
                     key + QStringLiteral("\\Sub"), QStringLiteral("Version"), QStringLiteral("1.4")})
                  .code,
              0);
    const Result listing =
        netdb({QStringLiteral("reg"), QStringLiteral("query"), QStringLiteral("HKLM"), key});
    EXPECT_EQ(lines(listing.out),
              (QStringList{QStringLiteral("(default) = Korvandel_zep31_PlugIn.LNSPlugInAPI"),
                           QStringLiteral("[Sub]")}));
    EXPECT_EQ(netdb({QStringLiteral("reg"), QStringLiteral("delete"), QStringLiteral("HKLM"), key}).code, 0);
    EXPECT_EQ(netdb({QStringLiteral("reg"), QStringLiteral("query"), QStringLiteral("HKLM"), key}).code, 1);
    EXPECT_EQ(netdb({QStringLiteral("reg"), QStringLiteral("delete"), QStringLiteral("HKLM"), key}).code, 1);
    EXPECT_EQ(netdb({QStringLiteral("reg"), QStringLiteral("query"), QStringLiteral("HKXX"), key}).code, 2);
    EXPECT_EQ(netdb({QStringLiteral("reg"), QStringLiteral("move"), QStringLiteral("HKLM"), key}).code, 2);
}

// The listings scripts and completions read: one name per line, and a look into an empty home
// creates nothing there.
TEST(LnsNetdb, ListsNetworksAndDeviceNamesForScripts)
{
    TempLonWorksHome home;
    const Result empty = netdb({QStringLiteral("networks")});
    EXPECT_EQ(empty.code, 0);
    EXPECT_TRUE(empty.out.isEmpty());
    EXPECT_EQ(netdb({QStringLiteral("devices"), QStringLiteral("Demo"), QStringLiteral("--names")}).code, 1);
    EXPECT_FALSE(QDir(home.path()).exists(QStringLiteral("lns")));

    ASSERT_EQ(netdb({QStringLiteral("demo")}).code, 0);
    ASSERT_EQ(netdb({QStringLiteral("add-network"), QStringLiteral("Plant")}).code, 0);
    EXPECT_EQ(lines(netdb({QStringLiteral("networks")}).out),
              (QStringList{QStringLiteral("Demo"), QStringLiteral("Plant")}));
    const QStringList names =
        lines(netdb({QStringLiteral("devices"), QStringLiteral("Demo"), QStringLiteral("--names")}).out);
    const QStringList listing = lines(netdb({QStringLiteral("devices"), QStringLiteral("Demo")}).out);
    ASSERT_EQ(names.size(), listing.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_TRUE(listing.at(i).startsWith(names.at(i) + QStringLiteral(", ")))
            << listing.at(i).toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("F1/ROU_1")));
    EXPECT_EQ(netdb({QStringLiteral("networks"), QStringLiteral("Demo")}).code, 2);
}
