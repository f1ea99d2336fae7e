#include "ApplyCommand.h"
#include "CommandFailure.h"
#include "NetworkSession.h"
#include "files/ParameterFile.h"
#include "lns/PlatformAdmin.h"
#include "support/FileFault.h"
#include "support/TempLonWorksHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>
#include <atomic>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Network = QStringLiteral("Demo");
const QString MaxOut = QStringLiteral("F:1/C:0:93");
const QString Setpoint = QStringLiteral("N:48/C:0:213");
// SCPToffsetTemp belongs to each device's own sensor and is never copied to another device.
const QString OffsetTemp = QStringLiteral("N:47/C:0:70");
const QString BacklightMin = QStringLiteral("F:0/C:3:48");
const QString DiConfig = QStringLiteral("F:0/C:3:44");
const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Rou2 = QStringLiteral("F1/ROU_2");

struct CtlRun
{
    int code = -1;
    QString out;
    QString err;
};

// The demo network in a private home, driven through the built zep31ctl.
class Zep31CtlTest : public ::testing::Test
{
protected:
    Zep31CtlTest()
    {
        admin.init(QStringLiteral(","));
        admin.createDemo();
    }

    static QString program() { return QCoreApplication::applicationDirPath() + QStringLiteral("/zep31ctl"); }
    static CtlRun ctl(const QStringList& arguments) { return run(program(), arguments); }
    static CtlRun run(const QString& executable, const QStringList& arguments)
    {
        QProcess process;
        process.start(executable, arguments);
        CtlRun run;
        if (!process.waitForFinished(600000))
            return run;
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QString file(const QString& name) const { return home.path() + QLatin1Char('/') + name; }

    // Fresh devices of ROU_1's program ID in their own subsystem.
    QString addDevices(int count)
    {
        const QString programId = QStringLiteral("9FFF3C0A00060417");
        admin.addSubsystem(Network, QStringLiteral("Floor"));
        for (int n = 1; n <= count; ++n)
            admin.addDevice(Network, QStringLiteral("Floor"), QStringLiteral("B_%1").arg(n), QString(),
                            programId);
        return programId;
    }

    // count devices named B_1... spread in turn over `channels` new channels C1...
    QString addDevicesOnChannels(int count, int channels)
    {
        const QString programId = QStringLiteral("9FFF3C0A00060417");
        admin.addSubsystem(Network, QStringLiteral("Floor"));
        for (int channel = 1; channel <= channels; ++channel)
            admin.addChannel(Network, QStringLiteral("C%1").arg(channel));
        for (int n = 1; n <= count; ++n)
            admin.addDevice(Network, QStringLiteral("Floor"), QStringLiteral("B_%1").arg(n), QString(),
                            programId, 4, true, QStringLiteral("C%1").arg((n - 1) % channels + 1));
        return programId;
    }

    QString get(const QString& device, const QString& point, std::optional<int> element = std::nullopt) const
    {
        return admin.get(Network, device, point, element);
    }

    TempLonWorksHome home;
    lnssim::PlatformAdmin admin{home.path()};
};

TEST_F(Zep31CtlTest, WrongInputGivesOneLineAndItsStatus)
{
    QFile garbage(file(QStringLiteral("garbage.par")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a parameter file");
    garbage.close();
    admin.setUnreachable(Network, QStringLiteral("F1/ROU_2"), true);
    // ROU_4 by name alone is ambiguous once a second subsystem holds a device of that name.
    admin.addSubsystem(Network, QStringLiteral("F3"));
    admin.addDevice(Network, QStringLiteral("F3"), QStringLiteral("ROU_4"), QString(),
                    QStringLiteral("9FFF3C0A00060417"));

    const struct
    {
        QStringList arguments;
        int code;
        const char* message;
    } cases[] = {
        {{QStringLiteral("frobnicate")}, 2, "Unknown command \"frobnicate\""},
        {{QStringLiteral("devices"), QStringLiteral("Nowhere")}, 2, "There is no network \"Nowhere\""},
        {{QStringLiteral("read"), Network, QStringLiteral("ROU_9")}, 2, "There is no device \"ROU_9\""},
        {{QStringLiteral("read"), Network, QStringLiteral("F2/ROU_1")}, 2, "There is no device \"F2/ROU_1\""},
        {{QStringLiteral("read"), Network, QStringLiteral("F9/ROU_1")}, 2, "There is no device \"F9/ROU_1\""},
        {{QStringLiteral("read"), Network, QStringLiteral("f1/rou_1")}, 2, "There is no device \"f1/rou_1\""},
        {{QStringLiteral("read"), Network, QStringLiteral("ROU_4")},
         2,
         "Several subsystems hold a device \"ROU_4\"; name it as SUBSYSTEM/ROU_4."},
        {{QStringLiteral("read"), Network, QStringLiteral("ROU_1"), QStringLiteral("--format"),
          QStringLiteral("xml")},
         2,
         "The format \"xml\""},
        {{QStringLiteral("apply"), Network, file(QStringLiteral("garbage.par")), QStringLiteral("ROU_1")},
         2,
         "is not a parameter file"},
        {{QStringLiteral("export"), file(QStringLiteral("missing.par")), QStringLiteral("--format"),
          QStringLiteral("json")},
         2,
         "cannot be read"},
        {{QStringLiteral("read"), Network, QStringLiteral("F1/ROU_2")}, 1, "F1/ROU_2 could not be read"},
        {{QStringLiteral("apply"), Network, file(QStringLiteral("garbage.par")), QStringLiteral("ROU_1"),
          QStringLiteral("--jobs"), QStringLiteral("17")},
         2,
         "--jobs takes a number from 1 to 16"},
        {{QStringLiteral("restore"), Network, home.path(), QStringLiteral("--jobs=0")},
         2,
         "--jobs takes a number from 1 to 16"},
    };
    for (const auto& entry : cases) {
        const CtlRun run = ctl(entry.arguments);
        EXPECT_EQ(run.code, entry.code) << entry.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("zep31ctl: ")) &&
                    run.err.contains(QLatin1String(entry.message)))
            << run.err.toStdString();
    }
}

TEST_F(Zep31CtlTest, SavedFilesSurviveTheReadableFormsByteForByte)
{
    admin.set(Network, QStringLiteral("F1/ROU_1"), Setpoint, QStringLiteral("21,5"));
    ASSERT_EQ(
        ctl({QStringLiteral("save"), Network, QStringLiteral("F1/ROU_1"), file(QStringLiteral("a.par"))})
            .code,
        0);
    const QByteArray saved = fileBytes(file(QStringLiteral("a.par")));
    ASSERT_FALSE(saved.isEmpty());

    for (const QString& format : {QStringLiteral("json"), QStringLiteral("csv")}) {
        const CtlRun exported = ctl(
            {QStringLiteral("export"), file(QStringLiteral("a.par")), QStringLiteral("--format"), format});
        ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
        EXPECT_TRUE(exported.out.contains(get(QStringLiteral("F1/ROU_1"), Setpoint)));
        const QString text = file(QStringLiteral("a.") + format);
        QFile out(text);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(exported.out.toUtf8());
        out.close();
        const QString back = file(QStringLiteral("back-") + format + QStringLiteral(".par"));
        ASSERT_EQ(ctl({QStringLiteral("import"), text, back}).code, 0);
        EXPECT_EQ(fileBytes(back), saved) << format.toStdString();
    }
    const CtlRun same =
        ctl({QStringLiteral("diff"), Network, QStringLiteral("ROU_1"), file(QStringLiteral("a.par"))});
    EXPECT_EQ(same.code, 0) << same.out.toStdString();
}

TEST_F(Zep31CtlTest, DryRunAndChangedOnlyTouchExactlyWhatDiffers)
{
    addDevices(2);
    const QString source = QStringLiteral("Floor/B_1");
    const QString target = QStringLiteral("Floor/B_2");
    admin.set(Network, source, MaxOut, QStringLiteral("55"));
    admin.set(Network, source, BacklightMin, QStringLiteral("30"), 1);
    admin.set(Network, source, OffsetTemp, QStringLiteral("1,5"));
    const QString offsetBefore = get(target, OffsetTemp);
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, source, file(QStringLiteral("b.par"))}).code, 0);

    const CtlRun dry = ctl({QStringLiteral("apply"), Network, file(QStringLiteral("b.par")), target,
                            QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.code, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(QStringLiteral("2 CPs would change"))) << dry.out.toStdString();
    EXPECT_TRUE(dry.out.contains(QStringLiteral("SCPTmaxOut")));
    EXPECT_TRUE(dry.out.contains(QStringLiteral("UCPTbacklightMin")));
    EXPECT_NE(get(target, MaxOut), get(source, MaxOut)) << "a dry run writes nothing";

    const CtlRun differ = ctl({QStringLiteral("diff"), Network, source, target});
    EXPECT_EQ(differ.code, 1);
    EXPECT_TRUE(differ.out.contains(QStringLiteral("SCPToffsetTemp"))) << "diff shows every CP";

    const CtlRun changed =
        ctl({QStringLiteral("apply"), Network, file(QStringLiteral("b.par")), target,
             QStringLiteral("--only-changed"), QStringLiteral("--report"), file(QStringLiteral("r.json"))});
    EXPECT_EQ(changed.code, 0) << changed.out.toStdString() << changed.err.toStdString();
    const QJsonObject device =
        QJsonDocument::fromJson(fileBytes(file(QStringLiteral("r.json"))))[QStringLiteral("devices")][0]
            .toObject();
    EXPECT_EQ(device[QStringLiteral("status")].toString(), QStringLiteral("written"));
    EXPECT_EQ(
        device[QStringLiteral("written")].toObject().keys(),
        (QStringList{QStringLiteral("NodeObject/UCPTbacklightMin"), QStringLiteral("Switch[0]/SCPTmaxOut")}));
    EXPECT_EQ(get(target, MaxOut), get(source, MaxOut));
    EXPECT_EQ(get(target, BacklightMin, 1), get(source, BacklightMin, 1));
    EXPECT_EQ(get(target, OffsetTemp), offsetBefore);
}

TEST_F(Zep31CtlTest, AHundredFaultyDevicesEndAsTheReportSays)
{
    const QString programId = addDevices(100);
    for (int n = 1; n <= 100; ++n)
        admin.setFailureRate(Network, QStringLiteral("Floor/B_%1").arg(n), 0.1);
    const QString rou1 = QStringLiteral("F1/ROU_1");
    admin.set(Network, rou1, Setpoint, QStringLiteral("23,5"));
    admin.set(Network, rou1, OffsetTemp, QStringLiteral("2,5"));
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, rou1, file(QStringLiteral("c.par"))}).code, 0);
    const QString setpoint = get(rou1, Setpoint);
    const QString setpointName = QStringLiteral("nvoSetptEffect/SCPTsetpoint");

    const CtlRun run =
        ctl({QStringLiteral("apply"), Network, file(QStringLiteral("c.par")), QStringLiteral("--program-id"),
             programId, QStringLiteral("--report"), file(QStringLiteral("c.json"))});
    const QJsonArray devices =
        QJsonDocument::fromJson(fileBytes(file(QStringLiteral("c.json"))))[QStringLiteral("devices")]
            .toArray();
    // Four demo devices share the program ID with the hundred.
    ASSERT_EQ(devices.size(), 104) << run.err.toStdString();
    int failed = 0;
    const QString rou5 = QStringLiteral("F2/ROU_5");
    for (const QJsonValue& entry : devices) {
        const QJsonObject device = entry.toObject();
        const std::string path = (device[QStringLiteral("subsystem")].toString() + QLatin1Char('/') +
                                  device[QStringLiteral("device")].toString())
                                     .toStdString();
        const QString devicePath = QString::fromStdString(path);
        if (devicePath.startsWith(QLatin1String("Floor/")))
            admin.clearFaults(Network, devicePath);
        const QJsonObject written = device[QStringLiteral("written")].toObject();
        if (device[QStringLiteral("status")].toString() == QLatin1String("failed")) {
            ++failed;
        } else {
            // ROU_5 is not commissioned: its values are in the network database, not in the device.
            EXPECT_EQ(device[QStringLiteral("status")].toString(),
                      devicePath == rou5 ? QStringLiteral("stored in the database only")
                                         : QStringLiteral("written"))
                << path;
            EXPECT_EQ(device[QStringLiteral("deviceState")].toString(),
                      devicePath == rou5 ? QStringLiteral("Not Commissioned yet")
                                         : QStringLiteral("Cnfg Online"))
                << path;
            EXPECT_EQ(written.size(), 64) << path;
            EXPECT_EQ(get(devicePath, Setpoint), setpoint) << path;
        }
        // What the report says was written is what the device holds, failed or not.
        if (written.contains(setpointName)) {
            EXPECT_EQ(written[setpointName].toString(), get(devicePath, Setpoint)) << path;
        }
        EXPECT_FALSE(written.contains(QStringLiteral("nvoSpaceTemp/SCPToffsetTemp"))) << path;
        if (devicePath != rou1) {
            EXPECT_NE(get(devicePath, OffsetTemp), get(rou1, OffsetTemp)) << path;
        }
    }
    // Six failures in a row at a rate of 0.1 are rare: nearly every device gets through.
    EXPECT_LE(failed, 3);
    EXPECT_EQ(run.code, failed == 0 ? 0 : 1);
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("F2/ROU_5: stored in the database only (device not commissioned) "
                                        "(64 CPs)\n")))
        << run.out.toStdString();
    EXPECT_TRUE(
        run.out.endsWith(QStringLiteral("%1 of 104 devices written, %2 skipped, 1 stored in the database "
                                        "only (device not commissioned or not online)\n")
                             .arg(103 - failed)
                             .arg(failed)))
        << run.out.toStdString();
}

// Devices of five channels written at once, a tenth of them failing every try and the rest at
// random: the report says of each device what it holds, and each holds the old values or the new
// ones, never a mix.
TEST_F(Zep31CtlTest, TwoHundredDevicesOnFiveChannelsEndWhollyOldOrWhollyNew)
{
    const QString programId = addDevicesOnChannels(200, 5);
    admin.setTransactionTime(Network, 0);
    admin.set(Network, Rou1, Setpoint, QStringLiteral("23,5"));
    admin.set(Network, Rou1, MaxOut, QStringLiteral("55"));
    admin.set(Network, Rou1, DiConfig, QStringLiteral("b,3,1,0"), 7);
    admin.set(Network, Rou1, BacklightMin, QStringLiteral("30"), 1);
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, file(QStringLiteral("c.par"))}).code, 0);
    const auto values = [this](const QString& path) {
        return QStringList{get(path, Setpoint), get(path, MaxOut), get(path, DiConfig, 7),
                           get(path, BacklightMin, 1)};
    };
    const QStringList fresh = values(Rou1);
    const QStringList old = values(QStringLiteral("Floor/B_1"));
    ASSERT_NE(fresh, old);
    for (int n = 1; n <= 200; ++n) {
        const QString path = QStringLiteral("Floor/B_%1").arg(n);
        admin.setFailureRate(Network, path, 0.1);
        if (n % 10 == 0)
            admin.failNext(Network, path, lnssim::PlatformAdmin::Operation::CpWrite, 100);
    }

    const CtlRun run =
        ctl({QStringLiteral("apply"), Network, file(QStringLiteral("c.par")), QStringLiteral("--program-id"),
             programId, QStringLiteral("--report"), file(QStringLiteral("c.json"))});
    EXPECT_EQ(run.code, 1) << run.err.toStdString();
    const QJsonArray devices =
        QJsonDocument::fromJson(fileBytes(file(QStringLiteral("c.json"))))[QStringLiteral("devices")]
            .toArray();
    ASSERT_EQ(devices.size(), 204) << run.err.toStdString();
    int failed = 0;
    for (qsizetype index = 4; index < devices.size(); ++index) {
        const QJsonObject device = devices.at(index).toObject();
        const QString path = QStringLiteral("Floor/B_%1").arg(index - 3);
        // In the order of the devices, whichever channel finished first.
        ASSERT_EQ(device[QStringLiteral("subsystem")].toString() + QLatin1Char('/') +
                      device[QStringLiteral("device")].toString(),
                  path);
        admin.clearFaults(Network, path);
        const QString status = device[QStringLiteral("status")].toString();
        const QJsonObject written = device[QStringLiteral("written")].toObject();
        if (status == QLatin1String("failed")) {
            ++failed;
            EXPECT_TRUE(written.isEmpty()) << path.toStdString();
            EXPECT_FALSE(device[QStringLiteral("error")].toString().isEmpty()) << path.toStdString();
            EXPECT_EQ(values(path), old) << path.toStdString();
        } else {
            EXPECT_EQ(status, QStringLiteral("written")) << path.toStdString();
            EXPECT_EQ(written.size(), 64) << path.toStdString();
            EXPECT_EQ(values(path), fresh) << path.toStdString();
            EXPECT_EQ(written[QStringLiteral("nvoSetptEffect/SCPTsetpoint")].toString(), fresh.at(0));
        }
        if (index % 10 == 3) {
            EXPECT_EQ(status, QStringLiteral("failed")) << path.toStdString();
        }
    }
    EXPECT_GE(failed, 20);
    EXPECT_LE(failed, 23);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Floor/B_10: failed: ")) &&
                !run.out.contains(QStringLiteral("part-written")))
        << run.out.toStdString();
}

// A worker that cannot open the network stops the run: the device the other worker had under
// way is finished and reported, no device is taken after it, the rest fail with the reason and
// keep their values, and the report is still written.
TEST_F(Zep31CtlTest, AWorkerThatCannotOpenTheNetworkStopsTheRunWithItsReport)
{
    addDevicesOnChannels(6, 2);
    admin.setTransactionTime(Network, 0);
    admin.set(Network, Rou1, MaxOut, QStringLiteral("55"));
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, file(QStringLiteral("c.par"))}).code, 0);
    const QString fresh = get(Rou1, MaxOut);
    const QString old = get(QStringLiteral("Floor/B_1"), MaxOut);
    ASSERT_NE(old, fresh);
    admin.setTransactionTime(Network, 30);

    // The first worker gets its session and starts with B_1 on C1; the second fails once C1 carries
    // B_1's transactions. B_1 takes many of them, so the first worker is still on it then.
    const auto carried = [](const lnssim::PlatformAdmin& platform) {
        for (const lnssim::PlatformAdmin::Channel& channel : platform.channels(Network))
            if (channel.name == QLatin1String("C1"))
                return channel.carried.transactions;
        return qint64(-1);
    };
    const qint64 before = carried(admin);
    std::atomic<int> opened = 0;
    const auto openSession = [&, homePath = home.path()](const QString& network) {
        if (opened++ == 0)
            return std::make_unique<NetworkSession>(network);
        const lnssim::PlatformAdmin watcher(homePath);
        const QDeadlineTimer deadline(60000);
        while (carried(watcher) == before && !deadline.hasExpired())
            QThread::yieldCurrentThread();
        throw CommandFailure(QStringLiteral("the database is locked"));
    };
    ApplyCommand::Options options;
    options.file = file(QStringLiteral("c.par"));
    for (int n = 1; n <= 6; ++n)
        options.devices.append(QStringLiteral("Floor/B_%1").arg(n));
    options.report = file(QStringLiteral("c.csv"));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    NetworkSession session(Network);
    EXPECT_EQ(ApplyCommand(session, outStream, errStream, openSession).run(options), 1) << err.toStdString();

    const QString reason =
        QStringLiteral("nothing written: a worker could not open the network: the database is locked");
    const QStringList lines = out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 8) << out.toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("Floor/B_1: written (64 CPs)"));
    EXPECT_EQ(lines.at(5), QStringLiteral("Floor/B_6: failed: ") + reason);
    EXPECT_TRUE(lines.at(6).startsWith(QStringLiteral("1 of 6 devices written"))) << out.toStdString();
    for (int n = 1; n <= 6; ++n) {
        const QString path = QStringLiteral("Floor/B_%1").arg(n);
        EXPECT_EQ(get(path, MaxOut), n == 1 ? fresh : old) << path.toStdString();
        if (n > 1) {
            EXPECT_EQ(lines.at(n - 1), path + QStringLiteral(": failed: ") + reason);
        }
    }
    const QString report = QString::fromUtf8(fileBytes(options.report));
    EXPECT_EQ(report.count(reason), 5) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Floor,B_1,"))) << report.toStdString();
}

// One worker writes the devices in turn, as before; more give the same lines in the same order,
// the transfer's log included.
TEST_F(Zep31CtlTest, ParallelRunsSayWhatOneWorkerSays)
{
    const QString programId = addDevicesOnChannels(12, 3);
    admin.setTransactionTime(Network, 0);
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, file(QStringLiteral("c.par"))}).code, 0);
    const QStringList apply{QStringLiteral("apply"),        Network,   file(QStringLiteral("c.par")),
                            QStringLiteral("--program-id"), programId, QStringLiteral("--verbose")};
    const CtlRun inTurn = ctl(apply + QStringList{QStringLiteral("--jobs"), QStringLiteral("1")});
    ASSERT_EQ(inTurn.code, 0) << inTurn.err.toStdString();
    EXPECT_TRUE(inTurn.out.startsWith(QStringLiteral("F1/ROU_1: written (64 CPs)\n")))
        << inTurn.out.toStdString();
    EXPECT_TRUE(inTurn.err.contains(QStringLiteral("Floor : B_12 :   nvoSetptEffect/SCPTsetpoint  =  ")) ||
                inTurn.err.contains(QStringLiteral("B_12 :   ")))
        << inTurn.err.toStdString();
    for (const QString& jobs : {QString(), QStringLiteral("--jobs=2"), QStringLiteral("--jobs=16")}) {
        const CtlRun parallel = ctl(jobs.isEmpty() ? apply : apply + QStringList{jobs});
        EXPECT_EQ(parallel.code, 0) << jobs.toStdString();
        EXPECT_EQ(parallel.out, inTurn.out) << jobs.toStdString();
        EXPECT_EQ(parallel.err, inTurn.err) << jobs.toStdString();
    }
}

TEST_F(Zep31CtlTest, ReadAndReportShowWhatTheWindowShows)
{
    admin.set(Network, QStringLiteral("F1/ROU_1"), Setpoint, QStringLiteral("22,5"));
    const CtlRun json = ctl({QStringLiteral("read"), Network, QStringLiteral("ROU_1"),
                             QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(document[QStringLiteral("device")].toString(), QStringLiteral("ROU_1"));
    int cps = 0, elements = 0, nvs = 0;
    for (const QJsonValue& point : document[QStringLiteral("points")].toArray()) {
        const QJsonObject row = point.toObject();
        if (row[QStringLiteral("kind")].toString() != QLatin1String("CP"))
            ++nvs;
        else if (row.contains(QStringLiteral("element")))
            ++elements;
        else
            ++cps;
        if (row[QStringLiteral("name")].toString() == QLatin1String("SCPTsetpoint")) {
            EXPECT_EQ(row[QStringLiteral("value")].toString(), get(QStringLiteral("F1/ROU_1"), Setpoint));
        }
    }
    EXPECT_EQ(cps, 65);
    EXPECT_EQ(elements, 12 + 2 + 2);
    EXPECT_EQ(nvs, 26 + 23) << "an online device shows its NVs";

    const CtlRun csv = ctl({QStringLiteral("read"), Network, QStringLiteral("ROU_1"),
                            QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_TRUE(csv.out.startsWith(QStringLiteral("kind,position,owner,name,element,value\n")));
    EXPECT_TRUE(csv.out.contains(QStringLiteral("CP,60,nvoSetptEffect,SCPTsetpoint,,\"%1\"\n")
                                     .arg(get(QStringLiteral("F1/ROU_1"), Setpoint))))
        << csv.out.toStdString();

    const QString pdf = file(QStringLiteral("rou1.pdf"));
    const CtlRun report =
        ctl({QStringLiteral("report"), Network, QStringLiteral("ROU_1"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(report.code, 0) << report.err.toStdString();
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess text;
    text.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("ROU_1")));
    EXPECT_TRUE(printed.contains(QStringLiteral("SCPTsetpoint")));
    EXPECT_TRUE(printed.contains(QStringLiteral("nviSwitchFb_1")));
}

TEST_F(Zep31CtlTest, TheReportCanBeTheHeaderAloneInEitherLanguage)
{
    // The report starts the fonts before it reads its options, and they may say something first.
    const QStringList wrongReport{QStringLiteral("report"), Network, QStringLiteral("ROU_1"),
                                  QStringLiteral("--pdf"), file(QStringLiteral("wrong.pdf"))};
    const CtlRun both =
        ctl(wrongReport + QStringList{QStringLiteral("--header-only"), QStringLiteral("--cp")});
    EXPECT_EQ(both.code, 2);
    EXPECT_TRUE(both.err.contains(QStringLiteral("zep31ctl: --header-only prints no list")))
        << both.err.toStdString();
    const CtlRun french =
        ctl(wrongReport + QStringList{QStringLiteral("--language"), QStringLiteral("french")});
    EXPECT_EQ(french.code, 2);
    EXPECT_TRUE(french.err.contains(
        QStringLiteral("zep31ctl: The language \"french\" is neither german nor english")))
        << french.err.toStdString();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("wrong.pdf"))));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const auto printed = [&](const QStringList& options) {
        const QString pdf = file(QStringLiteral("header.pdf"));
        const CtlRun report = ctl(QStringList{QStringLiteral("report"), Network, QStringLiteral("ROU_1"),
                                              QStringLiteral("--pdf"), pdf} +
                                  options);
        EXPECT_EQ(report.code, 0) << report.err.toStdString();
        QProcess text;
        text.start(pdftotext, {pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(30000));
        return QString::fromUtf8(text.readAllStandardOutput());
    };

    const QString german =
        printed({QStringLiteral("--header-only"), QStringLiteral("--language"), QStringLiteral("german")});
    EXPECT_TRUE(german.contains(QStringLiteral("Datum:"))) << german.toStdString();
    EXPECT_TRUE(german.contains(QStringLiteral("Objekt")));
    EXPECT_FALSE(german.contains(QStringLiteral("SCPTsetpoint")));
    EXPECT_FALSE(german.contains(QStringLiteral("nviSwitchFb_1")));

    const QString english =
        printed({QStringLiteral("--nvi"), QStringLiteral("--language"), QStringLiteral("english")});
    EXPECT_TRUE(english.contains(QStringLiteral("Date:"))) << english.toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("nviSwitchFb_1")));
    EXPECT_FALSE(english.contains(QStringLiteral("SCPTsetpoint")));
}

const QByteArray Old("the good file of yesterday\n");
constexpr int NoTmpfs = 99;

class Zep31CtlFilesTest : public Zep31CtlTest, public ::testing::WithParamInterface<FileFault>
{
protected:
    // zep31ctl on a 16 KiB file system of its own (a private mount namespace: the machine's mounts
    // are not touched) that holds `old` as `name` and is full otherwise; `after` gets what `name`
    // holds when the tool has ended.
    static CtlRun onFullDisk(const QString& mountPoint, const QString& name, const QString& old,
                             const QStringList& arguments, const QString& after)
    {
        const QString script = QStringLiteral("mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 99\n"
                                              "cp \"$2\" \"$1/$3\" || exit 99\n"
                                              "head -c 1048576 /dev/zero > \"$1/fill\" 2>/dev/null\n"
                                              "dir=$1; name=$3; after=$4; shift 4\n"
                                              "\"$@\"; status=$?\n"
                                              "cp \"$dir/$name\" \"$after\"\n"
                                              "exit $status\n");
        return run(QStringLiteral("unshare"),
                   QStringList{QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                               QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                               QStringLiteral("sh"), mountPoint, old, name, after, program()} +
                       arguments);
    }
};

// Every file zep31ctl writes: the command fails (before any device is written when the target is
// known to be unwritable) and the old file stays byte for byte.
TEST_P(Zep31CtlFilesTest, FailureEndsNonZeroAndTheOldFileStays)
{
    const FileFault fault = GetParam();
    const QString par = file(QStringLiteral("source.par"));
    const QString csv = file(QStringLiteral("source.csv"));
    const QString old = file(QStringLiteral("old"));
    admin.set(Network, Rou1, Setpoint, QStringLiteral("24,5"));
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, par}).code, 0);
    writeFileBytes(
        csv,
        ctl({QStringLiteral("export"), par, QStringLiteral("--format"), QStringLiteral("csv")}).out.toUtf8());
    writeFileBytes(old, Old);
    const QString target = QStringLiteral("TARGET");
    const struct
    {
        const char* fileName;
        QStringList arguments;
    } writes[] = {
        {"save.par", {QStringLiteral("save"), Network, Rou1, target}},
        {"import.par", {QStringLiteral("import"), csv, target}},
        {"report.json", {QStringLiteral("apply"), Network, par, Rou2, QStringLiteral("--report"), target}},
        {"report.pdf", {QStringLiteral("report"), Network, Rou1, QStringLiteral("--pdf"), target}},
    };
    const QString setpoint = get(Rou2, Setpoint);
    for (const auto& write : writes) {
        const QString name = QString::fromLatin1(write.fileName);
        const QString folder = file(QStringLiteral("folder-") + name);
        ASSERT_TRUE(QDir().mkpath(folder));
        QStringList arguments = write.arguments;
        arguments.replaceInStrings(target, folder + QLatin1Char('/') + name);
        CtlRun run;
        QByteArray after;
        if (fault == FileFault::FullDisk) {
            if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
                GTEST_SKIP() << "unshare (util-linux) is not installed";
            run = onFullDisk(folder, name, old, arguments, file(QStringLiteral("after")));
            if (run.code == NoTmpfs)
                GTEST_SKIP() << "no private tmpfs can be mounted here: " << run.err.toStdString();
            after = fileBytes(file(QStringLiteral("after")));
        } else {
            const FileFaultScope scope(fault, folder + QLatin1Char('/') + name, Old);
            if (!scope.skipReason().isEmpty())
                GTEST_SKIP() << scope.skipReason().toStdString();
            run = ctl(arguments);
            after = scope.content();
            EXPECT_EQ(run.code, 2) << write.fileName << run.err.toStdString();
            EXPECT_EQ(get(Rou2, Setpoint), setpoint) << write.fileName;
        }
        EXPECT_NE(run.code, 0) << write.fileName;
        EXPECT_TRUE(run.err.contains(QStringLiteral("could not be written")) ||
                    run.err.contains(QStringLiteral("cannot be written")))
            << write.fileName << run.err.toStdString();
        EXPECT_EQ(after, Old) << write.fileName << run.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, Zep31CtlFilesTest, AllFileFaults, faultName);

TEST_F(Zep31CtlTest, OutputThatCannotBeWrittenIsAFailure)
{
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, file(QStringLiteral("a.par"))}).code, 0);
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(program(), {QStringLiteral("export"), file(QStringLiteral("a.par")),
                              QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("could not be written"));
}

// A file saved from ROU_1 with one value changed in the set.
QString fileWith(const QString& saved, const QString& path, int position, const QString& value)
{
    Expected<ParameterSet> decoded = ParameterFile::read(saved, QStringLiteral(","));
    EXPECT_TRUE(decoded) << decoded.error().toStdString();
    if (!decoded)
        return path;
    decoded->values.at(static_cast<std::size_t>(position)) = value;
    EXPECT_TRUE(ParameterFile::write(path, *decoded));
    return path;
}

TEST_F(Zep31CtlTest, ApplyRefusesTheWholeRunBeforeItsFirstWrite)
{
    admin.set(Network, Rou1, Setpoint, QStringLiteral("24,5"));
    const QString saved = file(QStringLiteral("rou1.par"));
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, saved}).code, 0);
    QFile zeros(file(QStringLiteral("zeros.par")));
    ASSERT_TRUE(zeros.open(QIODevice::WriteOnly));
    zeros.write(QByteArray(4096, '\0'));
    zeros.close();
    const QString vav = QStringLiteral("F2/VAV_1");
    const QString older = QStringLiteral("F2/ROU_6");

    const struct
    {
        QStringList arguments;
        const char* line;
    } cases[] = {
        {{saved, Rou2, vav}, "F2/VAV_1: refused: its program ID 900001F20A040401 is not one of a ZEP31"},
        {{saved, Rou2, vav, QStringLiteral("--force-program-id")}, "F2/VAV_1: refused"},
        {{saved, QStringLiteral("--program-id"), QStringLiteral("900001F20A040401")}, "F2/VAV_1: refused"},
        {{saved, Rou2, older},
         "F2/ROU_6: refused: its program ID 9FFF3C0A0006040F is not the program ID 9FFF3C0A00060417 of this "
         "run"},
        {{saved, Rou2, QStringLiteral("--program-id"), QStringLiteral("9FFF3C0A0006040F")},
         "F1/ROU_2: refused: its program ID 9FFF3C0A00060417 is not the program ID 9FFF3C0A0006040F"},
        {{zeros.fileName(), Rou2}, "holds no value of a CP that is written to a device"},
        {{fileWith(saved, file(QStringLiteral("maxout.par")), 7, QStringLiteral("150")), Rou2},
         "Switch[0]/SCPTmaxOut: \"150\" is outside 0 to 100"},
        {{fileWith(saved, file(QStringLiteral("dot.par")), 60, QStringLiteral("21.5")), Rou2},
         "nvoSetptEffect/SCPTsetpoint: \"21.5\" is not a number with the decimal separator \",\""},
        {{fileWith(saved, file(QStringLiteral("type.par")), 1, QStringLiteral("5")), Rou2},
         "NodeObject/UCPTdeviceType: \"5\" is no device type"},
        {{fileWith(saved, file(QStringLiteral("fan.par")), 63, QStringLiteral("4")), Rou2},
         "nvoFanSpeed/UCPTfanSpdStages: \"4\" is outside 1 to 3"},
        {{saved, Rou2, QStringLiteral("--report"), file(QStringLiteral("missing/report.json"))},
         "The report " /* its folder does not exist */},
        {{fileWith(saved, file(QStringLiteral("dry.par")), 7, QStringLiteral("150")), Rou2,
          QStringLiteral("--dry-run")},
         "Switch[0]/SCPTmaxOut: \"150\""},
    };
    const QString before = get(Rou2, Setpoint);
    ASSERT_NE(before, get(Rou1, Setpoint));
    for (const auto& c : cases) {
        const CtlRun run = ctl(QStringList{QStringLiteral("apply"), Network} + c.arguments);
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.code, 2) << what << run.out.toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("zep31ctl: ")) &&
                    run.err.contains(QString::fromUtf8(c.line)))
            << what << "\n"
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Nothing was written to any device."))) << what;
        EXPECT_EQ(get(Rou2, Setpoint), before) << what;
    }

    const CtlRun diff = ctl({QStringLiteral("diff"), Network, Rou2, zeros.fileName()});
    EXPECT_EQ(diff.code, 2);
    EXPECT_FALSE(diff.out.contains(QStringLiteral("No CP differs")));
}

TEST_F(Zep31CtlTest, AnExpertMayWriteAnotherZep31AndTheReportHoldsEveryElement)
{
    const QString older = QStringLiteral("F2/ROU_6");
    admin.set(Network, Rou1, DiConfig, QStringLiteral("b,3,1,0"), 7);
    const QString saved = file(QStringLiteral("rou1.par"));
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, saved}).code, 0);
    const CtlRun run =
        ctl({QStringLiteral("apply"), Network, saved, Rou2, older, QStringLiteral("--force-program-id"),
             QStringLiteral("--report=") + file(QStringLiteral("r.json"))});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    // ROU_6 is not configured: its values go to the network database only.
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("1 of 2 devices written, 0 skipped, 1 stored in the database only")))
        << run.out.toStdString();
    const QJsonArray devices =
        QJsonDocument::fromJson(fileBytes(file(QStringLiteral("r.json"))))[QStringLiteral("devices")]
            .toArray();
    ASSERT_EQ(devices.size(), 2);
    for (const QJsonValue& device : devices) {
        const QString path = device[QStringLiteral("subsystem")].toString() + QLatin1Char('/') +
                             device[QStringLiteral("device")].toString();
        const QJsonArray elements =
            device[QStringLiteral("written")][QStringLiteral("NodeObject/UCPTdiConfig")].toArray();
        ASSERT_EQ(elements.size(), 12) << path.toStdString();
        for (int element = 0; element < 12; ++element)
            EXPECT_EQ(elements.at(element).toString(), get(path, DiConfig, element)) << element;
        EXPECT_EQ(elements.at(7).toString(), QStringLiteral("b,3,1,0"));
    }
}

class Zep31CtlInterruptTest : public Zep31CtlTest, public ::testing::WithParamInterface<int>
{
};

// However the signal falls, the run ends with status 3 and the report tells device by device how
// far it got. Devices of different channels run at once, so the order holds within a subsystem
// (one channel); a device holds all of the file or none of it.
TEST_P(Zep31CtlInterruptTest, ASignalEndsApplyCleanlyWithTheReportSoFar)
{
    const QString programId = addDevices(30);
    admin.setTransactionTime(Network, 5);
    const QString saved = file(QStringLiteral("rou1.par"));
    ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, saved}).code, 0);
    const QString report = file(QStringLiteral("r.json"));
    QProcess process;
    process.start(program(), {QStringLiteral("apply"), Network, saved, QStringLiteral("--program-id"),
                              programId, QStringLiteral("--report"), report});
    // Once the first device is reported, the run is well under way: thirty devices take long.
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(60000))
        out += process.readAllStandardOutput();
    ASSERT_TRUE(out.contains('\n')) << process.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(process.processId()), GetParam());
    ASSERT_TRUE(process.waitForFinished(120000));
    out += process.readAllStandardOutput();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 3) << process.readAllStandardError().toStdString();

    const QJsonObject document = QJsonDocument::fromJson(fileBytes(report)).object();
    EXPECT_TRUE(document[QStringLiteral("interrupted")].toBool());
    const QJsonArray devices = document[QStringLiteral("devices")].toArray();
    ASSERT_EQ(devices.size(), 34);
    const QString text = QString::fromUtf8(out);
    // Written devices, then at most one interrupted, then the devices never started.
    const QStringList order{QStringLiteral("written"), QStringLiteral("interrupted"),
                            QStringLiteral("not started")};
    QHash<QString, int> stage;
    for (const QJsonValue& entry : devices) {
        const QJsonObject device = entry.toObject();
        const QString subsystem = device[QStringLiteral("subsystem")].toString();
        const QString path = subsystem + QLatin1Char('/') + device[QStringLiteral("device")].toString();
        // A device that is not commissioned is done once the database holds its values.
        const QString status = device[QStringLiteral("status")].toString();
        const int rank = status == QLatin1String("stored in the database only")
                             ? 0
                             : static_cast<int>(order.indexOf(status));
        EXPECT_TRUE(rank >= stage.value(subsystem) && !(rank == 1 && stage.value(subsystem) == 1))
            << path.toStdString();
        stage[subsystem] = rank;
        const int written = static_cast<int>(device[QStringLiteral("written")].toObject().size());
        EXPECT_EQ(written, rank == 0 ? 64 : 0) << path.toStdString();
        EXPECT_FALSE(device[QStringLiteral("error")].toString().contains(QStringLiteral("part-written")));
        // Every line reached the redirected output.
        EXPECT_TRUE(text.contains(path + QStringLiteral(": "))) << path.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("part-written")));
    EXPECT_EQ(stage.value(QStringLiteral("Floor")), 2) << "the signal came before the last device";
    EXPECT_TRUE(text.contains(QStringLiteral("interrupted by signal %1").arg(GetParam())))
        << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, Zep31CtlInterruptTest, ::testing::Values(SIGINT, SIGTERM));

} // namespace
