#include "files/ParameterFile.h"
#include "support/FileFault.h"
#include "tools/support/Zep31CtlFixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString MaxOut = QStringLiteral("F:1/C:0:93");
const QString Setpoint = QStringLiteral("N:48/C:0:213");
const QString DiConfig = QStringLiteral("F:0/C:3:44");
const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Rou2 = QStringLiteral("F1/ROU_2");
const QByteArray Old("the good file of yesterday\n");
constexpr int NoTmpfs = 99;

// Runs zep31ctl on a 16 KiB file system of its own that holds the old file `name` and is full
// otherwise (a private mount namespace: the machine's mounts are not touched). Gives the run
// and, in `after`, what `name` holds when the tool has ended.
CtlRun onFullDisk(const QString& mountPoint, const QString& name, const QString& old,
                  const QStringList& arguments, const QString& after)
{
    const QString script = QStringLiteral("mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 99\n"
                                          "cp \"$2\" \"$1/$3\" || exit 99\n"
                                          "head -c 1048576 /dev/zero > \"$1/fill\" 2>/dev/null\n"
                                          "dir=$1; name=$3; after=$4; shift 4\n"
                                          "\"$@\"; status=$?\n"
                                          "cp \"$dir/$name\" \"$after\"\n"
                                          "exit $status\n");
    QProcess process;
    process.start(QStringLiteral("unshare"),
                  QStringList{QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                              QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                              QStringLiteral("sh"), mountPoint, old, name, after,
                              Zep31CtlTest::programPath()} +
                      arguments);
    CtlRun run;
    if (!process.waitForFinished(600000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// One file zep31ctl writes: its name and the command line that writes it to a target.
struct CtlWrite
{
    const char* name;
    const char* fileName;
    std::function<QStringList(const QString& target)> arguments;
};

class Zep31CtlFilesTest : public Zep31CtlTest, public ::testing::WithParamInterface<FileFault>
{
protected:
    std::vector<CtlWrite> writes()
    {
        return {
            {"save", "rou1.par",
             [this](const QString& target) {
                 return QStringList{QStringLiteral("save"), Network, Rou1, target};
             }},
            {"import", "back.par",
             [this](const QString& target) {
                 return QStringList{QStringLiteral("import"), csv, target};
             }},
            {"apply --report", "report.json",
             [this](const QString& target) {
                 return QStringList{QStringLiteral("apply"),    Network, par, Rou2,
                                    QStringLiteral("--report"), target};
             }},
            {"report --pdf", "rou1.pdf",
             [this](const QString& target) {
                 return QStringList{QStringLiteral("report"), Network, Rou1, QStringLiteral("--pdf"), target};
             }},
        };
    }

    void SetUp() override
    {
        admin.set(Network, Rou1, Setpoint, QStringLiteral("24,5"));
        ASSERT_EQ(ctl({QStringLiteral("save"), Network, Rou1, par}).code, 0);
        const CtlRun exported =
            ctl({QStringLiteral("export"), par, QStringLiteral("--format"), QStringLiteral("csv")});
        ASSERT_EQ(exported.code, 0);
        QFile out(csv);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(exported.out.toUtf8());
    }

    const QString par = file(QStringLiteral("source.par"));
    const QString csv = file(QStringLiteral("source.csv"));
};

TEST_P(Zep31CtlFilesTest, FailureEndsNonZeroAndTheOldFileStays)
{
    const FileFault fault = GetParam();
    const QString oldFile = file(QStringLiteral("old"));
    QFile(oldFile).remove();
    {
        QFile out(oldFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(Old);
    }
    for (const CtlWrite& write : writes()) {
        const QString folder =
            file(QString::fromLatin1(write.name).replace(QLatin1Char(' '), QLatin1Char('_')));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString target = folder + QLatin1Char('/') + QLatin1String(write.fileName);
        const QString setpointBefore = get(Rou2, Setpoint);
        CtlRun run;
        QByteArray after;
        if (fault == FileFault::FullDisk) {
            if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
                GTEST_SKIP() << "unshare (util-linux) is not installed";
            const QString kept = file(QStringLiteral("kept"));
            run = onFullDisk(folder, QLatin1String(write.fileName), oldFile, write.arguments(target), kept);
            if (run.code == NoTmpfs)
                GTEST_SKIP() << "no private tmpfs can be mounted here: " << run.err.toStdString();
            after = contents(kept);
        } else {
            const FileFaultScope scope(fault, target, Old);
            if (!scope.skipReason().isEmpty())
                GTEST_SKIP() << scope.skipReason().toStdString();
            run = ctl(write.arguments(target));
            after = scope.content();
            // A target that cannot be written is found before the work begins: no device is written.
            EXPECT_EQ(run.code, 2) << write.name << run.err.toStdString();
            EXPECT_EQ(get(Rou2, Setpoint), setpointBefore) << write.name;
        }
        EXPECT_NE(run.code, 0) << write.name;
        EXPECT_TRUE(run.err.contains(QStringLiteral("zep31ctl: "))) << write.name;
        EXPECT_FALSE(run.out.contains(QStringLiteral(" to ") + target))
            << write.name << ": " << run.out.toStdString();
        EXPECT_EQ(after, Old) << write.name << ": " << run.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, Zep31CtlFilesTest,
                         ::testing::Values(FileFault::FullDisk, FileFault::UnwritableFile,
                                           FileFault::UnwritableFolder, FileFault::TargetIsFolder),
                         [](const ::testing::TestParamInfo<FileFault>& fault) {
                             QString name = QString::fromLatin1(faultName(fault.param));
                             return name.remove(QLatin1Char(' ')).toStdString();
                         });

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

} // namespace

namespace {

// A file saved from ROU_1 with one value changed in the set.
QString fileWith(const QString& saved, const QString& path, int position, const QString& value)
{
    ParameterFile::Decoded decoded = ParameterFile::read(saved, QStringLiteral(","));
    EXPECT_TRUE(decoded.error.isEmpty());
    decoded.set.values.at(static_cast<std::size_t>(position)) = value;
    EXPECT_TRUE(ParameterFile::write(path, decoded.set).isEmpty());
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
    EXPECT_TRUE(run.out.contains(QStringLiteral("2 of 2 devices written, 0 skipped")))
        << run.out.toStdString();
    const QJsonArray devices =
        QJsonDocument::fromJson(contents(file(QStringLiteral("r.json"))))[QStringLiteral("devices")]
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
// far it got, naming a device left part-written.
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

    const QJsonObject document = QJsonDocument::fromJson(contents(report)).object();
    EXPECT_TRUE(document[QStringLiteral("interrupted")].toBool());
    const QJsonArray devices = document[QStringLiteral("devices")].toArray();
    ASSERT_EQ(devices.size(), 34);
    const QString text = QString::fromUtf8(out);
    // Written devices, then at most one interrupted, then the devices never started.
    int stage = 0;
    for (const QJsonValue& entry : devices) {
        const QJsonObject device = entry.toObject();
        const QString status = device[QStringLiteral("status")].toString();
        const QString path = device[QStringLiteral("subsystem")].toString() + QLatin1Char('/') +
                             device[QStringLiteral("device")].toString();
        const int written = static_cast<int>(device[QStringLiteral("written")].toObject().size());
        if (status == QLatin1String("written")) {
            EXPECT_EQ(stage, 0) << path.toStdString();
            EXPECT_EQ(written, 64);
        } else if (status == QLatin1String("interrupted")) {
            EXPECT_EQ(stage, 0) << path.toStdString();
            stage = 1;
            EXPECT_LT(written, 64);
            const bool partial = written > 0;
            EXPECT_EQ(device[QStringLiteral("error")].toString().contains(QStringLiteral("part-written")),
                      partial);
            EXPECT_EQ(text.contains(path + QStringLiteral(": interrupted, part-written")), partial)
                << text.toStdString();
        } else {
            EXPECT_EQ(status, QStringLiteral("not started")) << path.toStdString();
            stage = 2;
            EXPECT_EQ(written, 0);
        }
        // Every line reached the redirected output.
        EXPECT_TRUE(text.contains(path + QStringLiteral(": "))) << path.toStdString();
    }
    EXPECT_EQ(stage, 2) << "the signal came before the last device";
    EXPECT_TRUE(text.contains(QStringLiteral("interrupted by signal %1").arg(GetParam())))
        << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, Zep31CtlInterruptTest, ::testing::Values(SIGINT, SIGTERM));

} // namespace
