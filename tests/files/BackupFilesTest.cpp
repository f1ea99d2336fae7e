#include "files/BackupIndex.h"
#include "files/ParameterDrift.h"
#include "files/StagedFolder.h"
#include "support/FileFault.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(BackupIndexTest, FileNamesAreSafeAndNeverShared)
{
    const QString longName(300, QLatin1Char('x'));
    // Pairs a naive joining or escaping would give the same name, and names no file system likes.
    const QList<std::pair<QString, QString>> paths{
        {QStringLiteral("F1"), QStringLiteral("ROU_1")},
        {QStringLiteral("F1_ROU"), QStringLiteral("1")},
        {QStringLiteral("F1"), QStringLiteral("ROU%2F1")},
        {QStringLiteral("F1%2FROU"), QStringLiteral("1")},
        {QStringLiteral("F1"), QStringLiteral("..")},
        {QStringLiteral(".."), QStringLiteral(".")},
        {QStringLiteral("F1"), QStringLiteral("a b\tc\nd")},
        {QStringLiteral("F1"), QStringLiteral("Ä~ö*?\\<>|:\"'$")},
        {QStringLiteral("F1"), QStringLiteral("index.json")},
        {QStringLiteral("F1"), longName},
        {QStringLiteral("F1"), longName + QLatin1Char('y')},
        {QStringLiteral("F1"), QString(100, QChar(0x00C4))},
        {QStringLiteral("F1"), QString(100, QChar(0x00C4)) + QLatin1Char('y')},
    };
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9._%~-]+\\.par$"));
    QSet<QString> names;
    QSet<QString> folded;
    for (const auto& [subsystem, device] : paths) {
        const QString name = BackupIndex::fileName(subsystem, device);
        EXPECT_TRUE(safe.match(name).hasMatch()) << name.toStdString();
        EXPECT_LE(name.toUtf8().size(), 200) << name.toStdString();
        EXPECT_EQ(name, BackupIndex::fileName(subsystem, device)) << "the name follows from the path alone";
        names.insert(name);
        folded.insert(name.toLower());
    }
    EXPECT_EQ(names.size(), paths.size());
    // A network's paths differ in more than the case of ASCII letters (its database compares names so),
    // and so do the files: a backup copied to a case-blind file system stays whole.
    EXPECT_EQ(folded.size(), paths.size());
    EXPECT_EQ(BackupIndex::fileName(QStringLiteral("F1"), QStringLiteral("ROU 1")),
              QStringLiteral("F1%2FROU%201.par"));
}

BackupIndex sampleIndex()
{
    BackupIndex index;
    index.network = QStringLiteral("Demo");
    index.created = QStringLiteral("2026-03-01T10:00:00.000Z");
    BackupIndex::Entry saved{QStringLiteral("F1"),
                             QStringLiteral("ROU 1"),
                             QStringLiteral("04A100000001"),
                             QStringLiteral("9FFF3C0A00060417"),
                             QStringLiteral("Cnfg Online"),
                             BackupIndex::fileName(QStringLiteral("F1"), QStringLiteral("ROU 1")),
                             BackupIndex::sha256("x"),
                             index.created,
                             QString()};
    BackupIndex::Entry failed = saved;
    failed.device = QStringLiteral("ROU_2");
    failed.neuronId = QStringLiteral("04A100000002");
    failed.file.clear();
    failed.error = QStringLiteral("could not be read: no answer");
    index.devices = {saved, failed};
    return index;
}

TEST(BackupIndexTest, ReadsWhatItWroteAndRefusesAnythingElse)
{
    const QByteArray json = sampleIndex().toJson();
    const Expected<BackupIndex> parsed = BackupIndex::fromJson(json);
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    EXPECT_EQ(parsed->toJson(), json);

    const struct
    {
        const char* from;
        const char* to;
        const char* error;
    } damages[] = {
        {"\"devices\"", "\"devices\" x", "it is not JSON"},
        {"zep31-backup", "other", "it is not the index of a backup"},
        {"\"F1/ROU 1\"", "\"F1/ROU/1\"", "device 1: the path \"F1/ROU/1\" is not SUBSYSTEM/DEVICE"},
        {"F1%2FROU%201.par", "..%2F..%2Fetc.par", "device 1: the file \"..%2F..%2Fetc.par\" is not the file"},
        {"2d711642", "2D711642", "device 1: \"sha256\" is not 64 hexadecimal digits"},
        {"\"F1/ROU_2\"", "\"F1/ROU 1\"", "device 2: F1/ROU 1 is listed twice"},
        {"04A100000002", "04A100000001", "device 2: the Neuron ID 04A100000001 is listed twice"},
        {"\"neuronId\": \"04A100000001\"", "\"neuronId\": 1",
         "device 1: \"neuronId\" is missing or not a text"},
        {"\"error\": \"could not be read: no answer\"", "\"error\": \"\"",
         "device 2: a failed device without"},
        {"\"status\": \"saved\"", "\"status\": \"done\"", "device 1: the status \"done\""},
    };
    for (const auto& damage : damages) {
        QByteArray damaged = json;
        damaged.replace(damage.from, damage.to);
        ASSERT_NE(damaged, json) << damage.from;
        const QString error = BackupIndex::fromJson(damaged).error();
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(damage.error)))
            << damage.from << ": " << error.toStdString();
    }
}

class StagedFolderTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
};

TEST_F(StagedFolderTest, ReplacesAFolderWholeAndLeavesNothingBeside)
{
    const QString target = path(QStringLiteral("backup"));
    for (const QByteArray& content : {QByteArray("first"), QByteArray("second")}) {
        StagedFolder staged(target);
        ASSERT_TRUE(staged.made()) << staged.made().error().toStdString();
        ASSERT_TRUE(staged.write(QStringLiteral("index.json"), content));
        if (content == "first") {
            ASSERT_TRUE(staged.write(QStringLiteral("only-first.par"), content));
        }
        ASSERT_TRUE(staged.commit());
        EXPECT_EQ(fileBytes(target + QStringLiteral("/index.json")), content);
        EXPECT_EQ(entries(), QStringList{QStringLiteral("backup")});
    }
    EXPECT_FALSE(QFile::exists(target + QStringLiteral("/only-first.par"))) << "the old folder goes whole";

    {
        StagedFolder abandoned(target);
        ASSERT_TRUE(abandoned.write(QStringLiteral("index.json"), "third"));
    }
    EXPECT_EQ(fileBytes(target + QStringLiteral("/index.json")), QByteArray("second"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("backup")}) << "work given up leaves nothing";
}

TEST_F(StagedFolderTest, RefusesWhatItDidNotWrite)
{
    writeFileBytes(path(QStringLiteral("file")), "x");
    QDir().mkpath(path(QStringLiteral("foreign")));
    writeFileBytes(path(QStringLiteral("foreign/notes.txt")), "x");
    QDir().mkpath(path(QStringLiteral("empty")));
    QDir().mkpath(path(QStringLiteral("earlier")));
    writeFileBytes(path(QStringLiteral("earlier/index.json")), "{}");
    QFile::link(path(QStringLiteral("earlier")), path(QStringLiteral("link")));
    const struct
    {
        const char* name;
        const char* refusal;
    } cases[] = {{"new", ""},
                 {"empty", ""},
                 {"earlier", ""},
                 {"file", "is a file"},
                 {"link", "is a symbolic link"},
                 {"foreign", "holds files but no index.json"}};
    for (const auto& c : cases) {
        const Expected<void> replaceable =
            StagedFolder::replaceable(path(QLatin1String(c.name)), QStringLiteral("index.json"));
        EXPECT_EQ(replaceable.has_value(), *c.refusal == '\0')
            << c.name << ": " << replaceable.error().toStdString();
        EXPECT_TRUE(replaceable.error().contains(QLatin1String(c.refusal))) << c.name;
    }
}

TEST(ParameterDriftTest, NamesEachCpAndElementThatDiffers)
{
    ParameterSet saved;
    saved.values.at(7) = QStringLiteral("100,0");
    saved.values.at(59) = QStringLiteral("1,5");
    saved.values.at(60) = QStringLiteral("21,5");
    saved.diConfig.fill(QStringLiteral("0,0,0,0"));
    ParameterSet current = saved;
    current.values.at(7) = QStringLiteral("55,0");
    current.diConfig.at(3) = QStringLiteral("b,3,1,0");
    current.values.at(8) = QStringLiteral("9");
    EXPECT_EQ(ParameterDrift::between(saved, saved, QStringLiteral(","), 65).size(), 0);
    const QList<ParameterDrift::Difference> differences =
        ParameterDrift::between(saved, current, QStringLiteral(","), 65);
    ASSERT_EQ(differences.size(), 2) << "a value the backup lacks is no difference";
    EXPECT_EQ(differences[0].position, 2);
    EXPECT_EQ(differences[0].element, 3);
    EXPECT_EQ(differences[0].current, QStringLiteral("b,3,1,0"));
    EXPECT_EQ(differences[1].position, 7);
    EXPECT_EQ(differences[1].element, -1);
    EXPECT_EQ(differences[1].saved, QStringLiteral("100,0"));

    // Saved where the separator was "." and compared where it is ",": the same values.
    ParameterSet dotted = saved;
    dotted.values.at(7) = QStringLiteral("100.0");
    dotted.values.at(59) = QStringLiteral("1.5");
    dotted.values.at(60) = QStringLiteral("21.5");
    EXPECT_EQ(ParameterDrift::between(dotted, saved, QStringLiteral(","), 65).size(), 0);
}

} // namespace
