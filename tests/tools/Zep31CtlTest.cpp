#include "tools/support/Zep31CtlFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString MaxOut = QStringLiteral("F:1/C:0:93");
const QString Setpoint = QStringLiteral("N:48/C:0:213");
// SCPToffsetTemp belongs to each device's own sensor and is never copied to another device.
const QString OffsetTemp = QStringLiteral("N:47/C:0:70");
const QString BacklightMin = QStringLiteral("F:0/C:3:48");

TEST_F(Zep31CtlTest, WrongInputGivesOneLineAndItsStatus)
{
    QFile garbage(file(QStringLiteral("garbage.par")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a parameter file");
    garbage.close();
    admin.setUnreachable(Network, QStringLiteral("F1/ROU_2"), true);

    const struct
    {
        QStringList arguments;
        int code;
        const char* message;
    } cases[] = {
        {{QStringLiteral("frobnicate")}, 2, "Unknown command \"frobnicate\""},
        {{QStringLiteral("devices"), QStringLiteral("Nowhere")}, 2, "There is no network \"Nowhere\""},
        {{QStringLiteral("read"), Network, QStringLiteral("ROU_9")}, 2, "There is no device \"ROU_9\""},
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
    const QByteArray saved = contents(file(QStringLiteral("a.par")));
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
        EXPECT_EQ(contents(back), saved) << format.toStdString();
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
        QJsonDocument::fromJson(contents(file(QStringLiteral("r.json"))))[QStringLiteral("devices")][0]
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
        QJsonDocument::fromJson(contents(file(QStringLiteral("c.json"))))[QStringLiteral("devices")]
            .toArray();
    // Four demo devices share the program ID with the hundred.
    ASSERT_EQ(devices.size(), 104) << run.err.toStdString();
    int failed = 0;
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
            EXPECT_EQ(device[QStringLiteral("status")].toString(), QStringLiteral("written")) << path;
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
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("%1 of 104 devices written, %2 skipped").arg(104 - failed).arg(failed)))
        << run.out.toStdString();
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

} // namespace
