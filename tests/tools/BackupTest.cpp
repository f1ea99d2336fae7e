// zep31ctl backup, restore and drift, and the JSON forms of zep31ctl's output, through the built
// programs on the demo network in a private home.
#include "files/BackupIndex.h"
#include "lns/PlatformAdmin.h"
#include "support/FileFault.h"
#include "support/TempLonWorksHome.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString Network = QStringLiteral("Demo");
const QString ProgramId = QStringLiteral("9FFF3C0A00060417");
const QString MaxOut = QStringLiteral("F:1/C:0:93");
const QString Setpoint = QStringLiteral("N:48/C:0:213");
const QString OffsetTemp = QStringLiteral("N:47/C:0:70");
const QString DiConfig = QStringLiteral("F:0/C:3:44");

struct ToolRun
{
    int code = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, arguments);
    ToolRun result;
    if (!process.waitForFinished(600000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

ToolRun ctl(const QStringList& arguments)
{
    return runTool(QStringLiteral("zep31ctl"), arguments);
}

QJsonObject jsonOf(const ToolRun& run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// Every file of a folder with its bytes, to tell a folder left as it was.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, fileBytes(QDir(folder).filePath(name)));
    return files;
}

// The demo network and fifty more ZEP31 units on a channel that takes no time.
class BackupTest : public ::testing::Test
{
protected:
    BackupTest()
    {
        admin.init(QStringLiteral(","));
        admin.createDemo();
        admin.addSubsystem(Network, QStringLiteral("Floor"));
        for (int n = 1; n <= 50; ++n)
            admin.addDevice(Network, QStringLiteral("Floor"), QStringLiteral("B_%1").arg(n), QString(),
                            ProgramId);
        admin.setTransactionTime(Network, 0);
        // The demo's unit that does not answer answers here; a test that wants one says so.
        admin.setUnreachable(Network, QStringLiteral("F1/ROU_3"), false);
    }

    QString file(const QString& name) const { return home.path() + QLatin1Char('/') + name; }
    QString get(const QString& device, const QString& point, std::optional<int> element = std::nullopt) const
    {
        return admin.get(Network, device, point, element);
    }
    static ToolRun netdb(const QStringList& arguments)
    {
        return runTool(QStringLiteral("lns-netdb"), arguments);
    }

    TempLonWorksHome home;
    lnssim::PlatformAdmin admin{home.path()};
};

// The acceptance run: a backup; CPs changed by hand and a unit replaced; drift names exactly those;
// restore puts them back; drift finds nothing.
TEST_F(BackupTest, DriftNamesWhatChangedAndRestorePutsItBack)
{
    const QString replaced = QStringLiteral("Floor/B_13");
    admin.set(Network, replaced, Setpoint, QStringLiteral("24,5"));
    const QString folder = file(QStringLiteral("handover"));
    const ToolRun backup = ctl({QStringLiteral("backup"), Network, folder});
    ASSERT_EQ(backup.code, 0) << backup.err.toStdString();
    EXPECT_TRUE(backup.out.endsWith(QStringLiteral("56 of 56 devices saved to %1\n").arg(folder)))
        << backup.out.toStdString();

    const QJsonObject index =
        QJsonDocument::fromJson(fileBytes(folder + QStringLiteral("/index.json"))).object();
    const QJsonArray entries = index[QStringLiteral("devices")].toArray();
    ASSERT_EQ(entries.size(), 56) << "every ZEP31, the VAV controller not";
    QString oldNeuronId;
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        const QByteArray bytes =
            fileBytes(folder + QLatin1Char('/') + entry[QStringLiteral("file")].toString());
        EXPECT_EQ(entry[QStringLiteral("sha256")].toString(),
                  QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
        if (entry[QStringLiteral("path")].toString() == replaced)
            oldNeuronId = entry[QStringLiteral("neuronId")].toString();
    }
    ASSERT_FALSE(oldNeuronId.isEmpty());
    const QString offset = get(QStringLiteral("Floor/B_7"), OffsetTemp);

    // By hand: three CPs of two devices, one of them an array's element, and a unit swapped.
    const struct
    {
        const char* device;
        QString point;
        const char* value;
        std::optional<int> element;
        const char* cp;
    } changes[] = {
        {"F1/ROU_1", MaxOut, "55", std::nullopt, "Switch[0]/SCPTmaxOut"},
        {"F1/ROU_1", DiConfig, "b,3,1,0", 7, "NodeObject/UCPTdiConfig[7]"},
        {"Floor/B_7", OffsetTemp, "1,5", std::nullopt, "nvoSpaceTemp/SCPToffsetTemp"},
    };
    QSet<QString> expected;
    for (const auto& change : changes) {
        QStringList arguments{QStringLiteral("set"), Network, QLatin1String(change.device), change.point,
                              QLatin1String(change.value)};
        if (change.element)
            arguments << QStringLiteral("--element") << QString::number(*change.element);
        ASSERT_EQ(netdb(arguments).code, 0) << change.cp;
        expected.insert(QLatin1String(change.device) + QLatin1Char(' ') + QLatin1String(change.cp));
    }
    ASSERT_EQ(netdb({QStringLiteral("remove-device"), Network, replaced}).code, 0);
    const ToolRun added = netdb({QStringLiteral("add-device"), Network, QStringLiteral("Floor"),
                                 QStringLiteral("B_13"), QStringLiteral("--program-id"), ProgramId});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    const QString newNeuronId = added.out.trimmed();
    ASSERT_NE(newNeuronId, oldNeuronId);
    // The new unit has the factory set point, not the one configured before.
    expected.insert(replaced + QStringLiteral(" nvoSetptEffect/SCPTsetpoint"));

    const ToolRun drift =
        ctl({QStringLiteral("drift"), Network, folder, QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_EQ(drift.code, 1) << drift.err.toStdString();
    QSet<QString> found;
    for (const QJsonValue& value : jsonOf(drift)[QStringLiteral("devices")].toArray()) {
        const QJsonObject device = value.toObject();
        const QString path = device[QStringLiteral("subsystem")].toString() + QLatin1Char('/') +
                             device[QStringLiteral("device")].toString();
        EXPECT_EQ(device[QStringLiteral("replaced")].toBool(), path == replaced) << path.toStdString();
        if (path == replaced) {
            EXPECT_EQ(device[QStringLiteral("backupNeuronId")].toString(), oldNeuronId);
            EXPECT_EQ(device[QStringLiteral("neuronId")].toString(), newNeuronId);
        }
        for (const QJsonValue& difference : device[QStringLiteral("differences")].toArray()) {
            const QJsonObject cp = difference.toObject();
            found.insert(path + QLatin1Char(' ') + cp[QStringLiteral("cp")].toString() +
                         (cp.contains(QStringLiteral("element"))
                              ? QStringLiteral("[%1]").arg(cp[QStringLiteral("element")].toInt())
                              : QString()));
        }
    }
    EXPECT_EQ(found, expected);
    const ToolRun text = ctl({QStringLiteral("drift"), Network, folder});
    EXPECT_TRUE(text.out.contains(QStringLiteral("Floor/B_13: replaced (Neuron ID %1 in the backup, %2 now)")
                                      .arg(oldNeuronId, newNeuronId)))
        << text.out.toStdString();
    EXPECT_TRUE(
        text.out.endsWith(QStringLiteral("Drift: 3 of 56 devices differ from the backup, 1 replaced\n")))
        << text.out.toStdString();

    const QString report = file(QStringLiteral("restore.json"));
    const ToolRun restore = ctl({QStringLiteral("restore"), Network, folder, QStringLiteral("F1/ROU_1"),
                                 QStringLiteral("Floor/B_7"), replaced, QStringLiteral("--report"), report});
    EXPECT_EQ(restore.code, 0) << restore.out.toStdString() << restore.err.toStdString();
    EXPECT_TRUE(restore.out.contains(
        QStringLiteral("Floor/B_13 (Neuron ID %1, replacing %2 of the backup): written (65 CPs)")
            .arg(newNeuronId, oldNeuronId)))
        << restore.out.toStdString();
    const QJsonArray restored =
        QJsonDocument::fromJson(fileBytes(report))[QStringLiteral("devices")].toArray();
    ASSERT_EQ(restored.size(), 3);
    EXPECT_EQ(restored[2][QStringLiteral("neuronId")].toString(), newNeuronId);
    EXPECT_EQ(restored[2][QStringLiteral("backupNeuronId")].toString(), oldNeuronId);
    EXPECT_EQ(get(QStringLiteral("Floor/B_7"), OffsetTemp), offset)
        << "a backup puts back a unit's own offset";

    const ToolRun after = ctl({QStringLiteral("drift"), Network, folder});
    EXPECT_EQ(after.code, 0) << after.out.toStdString();
    EXPECT_TRUE(after.out.contains(QStringLiteral("Floor/B_13: replaced"))) << after.out.toStdString();
}

// Names with every character a file system or a shell trips over: each device gets a file of its
// own inside the folder, and the backup goes back to the same devices.
TEST_F(BackupTest, AnyNameIsSafeAndUnique)
{
    admin.addSubsystem(Network, QStringLiteral("Odd %2F"));
    const QStringList names{QStringLiteral(".."),           QStringLiteral("-rf *"),
                            QStringLiteral("a\tb\nc"),      QStringLiteral("Ä~ö\\\"'$"),
                            QString(300, QLatin1Char('n')), QString(300, QLatin1Char('n')) + QLatin1Char('2'),
                            QStringLiteral("index.json"),   QStringLiteral("ROU_1")};
    for (const QString& name : names)
        admin.addDevice(Network, QStringLiteral("Odd %2F"), name, QString(), ProgramId);
    QStringList values;
    for (const QString& name : names) {
        admin.set(Network, QStringLiteral("Odd %2F/") + name, MaxOut,
                  QString::number(names.indexOf(name) + 10));
        values.append(get(QStringLiteral("Odd %2F/") + name, MaxOut));
    }
    const QString folder = file(QStringLiteral("odd"));
    ASSERT_EQ(ctl({QStringLiteral("backup"), Network, folder}).code, 0);
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
              56 + 8 + 1);
    EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("odd*")}, QDir::AllEntries).size(), 1);

    for (const QString& name : names)
        admin.set(Network, QStringLiteral("Odd %2F/") + name, MaxOut, QStringLiteral("99"));
    EXPECT_EQ(ctl({QStringLiteral("drift"), Network, folder}).code, 1);
    const ToolRun restore = ctl({QStringLiteral("restore"), Network, folder});
    EXPECT_EQ(restore.code, 0) << restore.out.toStdString() << restore.err.toStdString();
    for (const QString& name : names)
        EXPECT_EQ(get(QStringLiteral("Odd %2F/") + name, MaxOut), values.at(names.indexOf(name)))
            << name.toStdString();
    EXPECT_EQ(ctl({QStringLiteral("drift"), Network, folder}).code, 0);
}

// A unit that does not answer on the day of a backup is listed failed and keeps its earlier copy;
// restore then takes that copy.
TEST_F(BackupTest, AnUnreadableUnitKeepsItsEarlierCopy)
{
    const QString folder = file(QStringLiteral("nightly"));
    admin.set(Network, QStringLiteral("Floor/B_2"), MaxOut, QStringLiteral("42"));
    const QString saved = get(QStringLiteral("Floor/B_2"), MaxOut);
    ASSERT_EQ(ctl({QStringLiteral("backup"), Network, folder}).code, 0);
    const QString name = BackupIndex::fileName(QStringLiteral("Floor"), QStringLiteral("B_2"));
    const QByteArray copy = fileBytes(folder + QLatin1Char('/') + name);

    admin.setUnreachable(Network, QStringLiteral("Floor/B_2"), true);
    const ToolRun second = ctl({QStringLiteral("backup"), Network, folder});
    EXPECT_EQ(second.code, 1);
    EXPECT_TRUE(second.out.contains(QStringLiteral("Floor/B_2: failed: could not be read: ")))
        << second.out.toStdString();
    EXPECT_TRUE(second.out.endsWith(
        QStringLiteral("55 of 56 devices saved to %1, 1 could not be read\n").arg(folder)));
    EXPECT_EQ(fileBytes(folder + QLatin1Char('/') + name), copy);
    const Expected<BackupIndex> index = BackupIndex::read(folder);
    ASSERT_TRUE(index) << index.error().toStdString();
    for (const BackupIndex::Entry& entry : index->devices) {
        EXPECT_EQ(entry.failed(), entry.path() == QLatin1String("Floor/B_2")) << entry.path().toStdString();
        EXPECT_EQ(entry.file, BackupIndex::fileName(entry.subsystem, entry.device))
            << "a failed unit keeps its copy";
    }

    const ToolRun drift = ctl({QStringLiteral("drift"), Network, folder});
    EXPECT_EQ(drift.code, 1);
    EXPECT_TRUE(drift.out.contains(QStringLiteral("Floor/B_2: could not be read: ")))
        << drift.out.toStdString();

    admin.setUnreachable(Network, QStringLiteral("Floor/B_2"), false);
    admin.set(Network, QStringLiteral("Floor/B_2"), MaxOut, QStringLiteral("7"));
    const ToolRun restore = ctl({QStringLiteral("restore"), Network, folder, QStringLiteral("Floor/B_2"),
                                 QStringLiteral("--by-neuron-id")});
    EXPECT_EQ(restore.code, 0) << restore.err.toStdString();
    EXPECT_EQ(get(QStringLiteral("Floor/B_2"), MaxOut), saved);
}

// Nothing is written, and an earlier backup stays, when the input is wrong.
TEST_F(BackupTest, WrongInputWritesNothing)
{
    const QString folder = file(QStringLiteral("b"));
    admin.set(Network, QStringLiteral("F1/ROU_2"), MaxOut, QStringLiteral("77,5"));
    ASSERT_EQ(ctl({QStringLiteral("backup"), Network, folder}).code, 0);
    const QMap<QString, QByteArray> before = snapshot(folder);
    const QString rou2 = BackupIndex::fileName(QStringLiteral("F1"), QStringLiteral("ROU_2"));

    // Copies of the backup, each damaged in one way.
    const auto damaged = [&](const QString& name, const std::function<void(const QString&)>& damage) {
        const QString copy = file(name);
        QDir().mkpath(copy);
        for (auto entry = before.cbegin(); entry != before.cend(); ++entry)
            writeFileBytes(copy + QLatin1Char('/') + entry.key(), entry.value());
        damage(copy);
        return copy;
    };
    const QString tampered = damaged(QStringLiteral("tampered"), [&](const QString& copy) {
        QByteArray bytes = fileBytes(copy + QLatin1Char('/') + rou2);
        bytes[bytes.size() - 2] = 'X';
        writeFileBytes(copy + QLatin1Char('/') + rou2, bytes);
    });
    const QString garbled = damaged(QStringLiteral("garbled"), [](const QString& copy) {
        writeFileBytes(copy + QStringLiteral("/index.json"),
                       "{\"format\": \"zep31-backup\", \"version\": 1,");
    });
    // A value beyond its field's limits, with the index's hash made to fit: only the values' check stops it.
    const QString outOfRange = damaged(QStringLiteral("range"), [&](const QString& copy) {
        const QString par = copy + QLatin1Char('/') + rou2;
        QByteArray bytes = fileBytes(par);
        bytes.replace(bytes.indexOf("77,5"), 4, "-7,5");
        QByteArray index = fileBytes(copy + QStringLiteral("/index.json"));
        index.replace(BackupIndex::sha256(fileBytes(par)).toLatin1(), BackupIndex::sha256(bytes).toLatin1());
        writeFileBytes(par, bytes);
        writeFileBytes(copy + QStringLiteral("/index.json"), index);
    });
    ASSERT_EQ(netdb({QStringLiteral("remove-device"), Network, QStringLiteral("F1/ROU_3")}).code, 0);
    ASSERT_EQ(netdb({QStringLiteral("add-device"), Network, QStringLiteral("F1"), QStringLiteral("ROU_3"),
                     QStringLiteral("--program-id"), ProgramId})
                  .code,
              0);
    admin.set(Network, QStringLiteral("F1/ROU_2"), MaxOut, QStringLiteral("66"));
    const QString untouched = get(QStringLiteral("F1/ROU_2"), MaxOut);

    const struct
    {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{QStringLiteral("backup"), Network, folder, QStringLiteral("--program-id"),
          QStringLiteral("900001F20A040401")},
         "The program ID 900001F20A040401 is not one of a ZEP31"},
        {{QStringLiteral("backup"), Network, file(QStringLiteral("missing/b"))}, "cannot be written"},
        {{QStringLiteral("restore"), Network, garbled}, "index.json is malformed: it is not JSON"},
        {{QStringLiteral("restore"), Network, file(QStringLiteral("nowhere"))}, "There is no folder"},
        {{QStringLiteral("restore"), Network, tampered},
         "F1/ROU_2: refused: F1%2FROU_2.par does not match its SHA-256"},
        {{QStringLiteral("drift"), Network, tampered}, "F1/ROU_2: F1%2FROU_2.par does not match its SHA-256"},
        {{QStringLiteral("restore"), Network, outOfRange, QStringLiteral("F1/ROU_2")},
         "F1/ROU_2: refused: Switch[0]/SCPTmaxOut: \"-7,5\""},
        {{QStringLiteral("restore"), Network, folder, QStringLiteral("F2/VAV_1")},
         "F2/VAV_1: refused: the backup holds no device"},
        {{QStringLiteral("restore"), Network, folder, QStringLiteral("F1/ROU_3")},
         "F1/ROU_3: refused: its program ID 9FFF3C0A00060417 is not the program ID 9FFF3C0A0006040F its file "
         "was saved from"},
        {{QStringLiteral("restore"), Network, folder, QStringLiteral("--report"),
          file(QStringLiteral("missing/r.json"))},
         "The report "},
    };
    for (const auto& c : cases) {
        const ToolRun result = ctl(c.arguments);
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.code, 2) << what << result.out.toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message))) << what << "\n"
                                                                       << result.err.toStdString();
    }
    EXPECT_EQ(get(QStringLiteral("F1/ROU_2"), MaxOut), untouched);
    EXPECT_EQ(snapshot(folder), before);
    EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("*.new-*")}, QDir::AllEntries).size(), 0);
}

// SIGINT in the middle of a backup and a disk that fills up: the earlier backup stays byte for byte.
TEST_F(BackupTest, AnInterruptedOrFailedBackupLeavesTheEarlierOne)
{
    const QString folder = file(QStringLiteral("b"));
    ASSERT_EQ(ctl({QStringLiteral("backup"), Network, folder}).code, 0);
    const QMap<QString, QByteArray> before = snapshot(folder);
    admin.set(Network, QStringLiteral("F1/ROU_1"), MaxOut, QStringLiteral("12"));

    admin.setTransactionTime(Network, 5);
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zep31ctl"),
                  {QStringLiteral("backup"), Network, folder});
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(60000))
        out += process.readAllStandardOutput();
    ASSERT_TRUE(out.contains('\n')) << process.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 3);
    EXPECT_TRUE(process.readAllStandardError().contains("no backup was written"));
    EXPECT_EQ(snapshot(folder), before);
    EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("b*")}, QDir::AllEntries).size(), 1);
    admin.setTransactionTime(Network, 0);

    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        GTEST_SKIP() << "unshare (util-linux) is not installed";
    // In a private mount namespace (the machine's mounts are not touched): a small file system with a
    // backup on it, filled up, then backed up again.
    const QString script = QStringLiteral("mount -t tmpfs -o size=512k tmpfs \"$1\" || exit 99\n"
                                          "\"$2\" backup Demo \"$1/b\" > /dev/null || exit 98\n"
                                          "cp -r \"$1/b\" \"$3/before\"\n"
                                          "head -c 1048576 /dev/zero > \"$1/fill\" 2>/dev/null\n"
                                          "\"$2\" backup Demo \"$1/b\"; status=$?\n"
                                          "cp -r \"$1/b\" \"$3/after\"; ls -a \"$1\" > \"$3/listing\"\n"
                                          "exit $status\n");
    const QString mountPoint = file(QStringLiteral("disk"));
    QDir().mkpath(mountPoint);
    QProcess full;
    full.start(QStringLiteral("unshare"),
               {QStringLiteral("--user"), QStringLiteral("--map-root-user"), QStringLiteral("--mount"),
                QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"), mountPoint,
                QCoreApplication::applicationDirPath() + QStringLiteral("/zep31ctl"), home.path()});
    ASSERT_TRUE(full.waitForFinished(300000));
    if (full.exitCode() == 99)
        GTEST_SKIP() << "no private tmpfs can be mounted here: " << full.readAllStandardError().toStdString();
    ASSERT_NE(full.exitCode(), 98) << full.readAllStandardError().toStdString();
    EXPECT_EQ(full.exitCode(), 1);
    EXPECT_TRUE(full.readAllStandardError().contains("the previous backup there is left as it was"));
    EXPECT_FALSE(snapshot(file(QStringLiteral("before"))).isEmpty());
    EXPECT_EQ(snapshot(file(QStringLiteral("after"))), snapshot(file(QStringLiteral("before"))));
    EXPECT_EQ(fileBytes(file(QStringLiteral("listing"))), QByteArray(".\n..\nb\nfill\n"));
}

// The JSON forms of the output hold to the schemas installed with the data, checked by a validator
// of JSON Schema 2020-12 (Debian's python3-jsonschema).
TEST_F(BackupTest, JsonOutputHoldsToItsSchema)
{
    const QString folder = file(QStringLiteral("b"));
    ASSERT_EQ(ctl({QStringLiteral("backup"), Network, folder}).code, 0);
    admin.set(Network, QStringLiteral("F1/ROU_2"), MaxOut, QStringLiteral("66"));
    ASSERT_EQ(
        ctl({QStringLiteral("save"), Network, QStringLiteral("F1/ROU_1"), file(QStringLiteral("a.par"))})
            .code,
        0);
    const QStringList json{QStringLiteral("--format"), QStringLiteral("json")};
    const struct
    {
        const char* schema;
        QStringList arguments;
        int code;
    } outputs[] = {
        {"devices", QStringList{QStringLiteral("devices"), Network} + json, 0},
        {"diff",
         QStringList{QStringLiteral("diff"), Network, QStringLiteral("ROU_1"), QStringLiteral("ROU_2")} +
             json,
         1},
        {"diff",
         QStringList{QStringLiteral("diff"), Network, QStringLiteral("ROU_1"),
                     file(QStringLiteral("a.par"))} +
             json,
         0},
        {"apply",
         QStringList{QStringLiteral("apply"), Network, file(QStringLiteral("a.par")),
                     QStringLiteral("F2/ROU_4")} +
             json,
         0},
        {"apply",
         QStringList{QStringLiteral("apply"), Network, file(QStringLiteral("a.par")),
                     QStringLiteral("F1/ROU_2"), QStringLiteral("--dry-run")} +
             json,
         0},
        {"drift", QStringList{QStringLiteral("drift"), Network, folder} + json, 1},
        {"apply", QStringList{QStringLiteral("restore"), Network, folder, QStringLiteral("F1/ROU_2")} + json,
         0},
    };
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    ASSERT_FALSE(python.isEmpty()) << "python3 with python3-jsonschema is installed by scripts/bootstrap.sh";
    const QString schemas =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zep31/schemas/");
    const QString validator = QStringLiteral(
        "import json, sys\n"
        "from jsonschema import Draft202012Validator\n"
        "schema = json.load(open(sys.argv[1]))\n"
        "Draft202012Validator.check_schema(schema)\n"
        "errors = list(Draft202012Validator(schema).iter_errors(json.load(open(sys.argv[2]))))\n"
        "for error in errors: print(error.json_path, error.message)\n"
        "sys.exit(1 if errors else 0)\n");
    const auto validate = [&](const QString& schema, const QString& document) {
        QProcess check;
        check.start(python, {QStringLiteral("-c"), validator,
                             schemas + schema + QStringLiteral(".schema.json"), document});
        EXPECT_TRUE(check.waitForFinished(60000));
        EXPECT_EQ(check.exitCode(), 0)
            << schema.toStdString() << ": " << check.readAllStandardOutput().toStdString()
            << check.readAllStandardError().toStdString();
    };
    for (const auto& output : outputs) {
        const ToolRun result = ctl(output.arguments);
        EXPECT_EQ(result.code, output.code)
            << output.arguments.join(QLatin1Char(' ')).toStdString() << result.err.toStdString();
        const QString document = file(QStringLiteral("output.json"));
        writeFileBytes(document, result.out.toUtf8());
        validate(QLatin1String(output.schema), document);
    }
    validate(QStringLiteral("backup-index"), folder + QStringLiteral("/index.json"));
}

} // namespace
