#include "registry/SqliteRegistryStore.h"

#include "host/LonWorksHome.h"
#include "support/TempLonWorksHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Hive = RegistryStore::Hive;

const QString Key = QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Korvandel_zep31_PlugIn");

// Runs body in a child process that opens its own connections; the exit status says whether it succeeded.
template <typename Body> pid_t startChild(Body body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body() ? 0 : 1);
    return pid;
}

bool childSucceeded(pid_t pid)
{
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class SqliteRegistryStoreTest : public ::testing::Test
{
protected:
    TempLonWorksHome home;
    SqliteRegistryStore store{lonworks_home::registryFile()};
};

TEST_F(SqliteRegistryStoreTest, NamesAreCaseInsensitiveAndKeepTheirCase)
{
    ASSERT_TRUE(store.lastError().isEmpty()) << store.lastError().toStdString();
    ASSERT_TRUE(
        store.writeValue(Hive::LocalMachine, Key, QStringLiteral("Language"), QStringLiteral("german")));

    const QString otherSpelling = QStringLiteral("software\\lonworks\\LCA\\PLUG-INS\\Korvandel_ZEP31_PlugIn");
    EXPECT_EQ(store.readValue(Hive::LocalMachine, otherSpelling, QStringLiteral("LANGUAGE")),
              QStringLiteral("german"));
    ASSERT_TRUE(
        store.writeValue(Hive::LocalMachine, otherSpelling, QStringLiteral("language"), QStringLiteral("x")));
    EXPECT_EQ(store.valueNames(Hive::LocalMachine, Key), QStringList{QStringLiteral("Language")});
    EXPECT_EQ(store.readValue(Hive::LocalMachine, Key, QStringLiteral("Language")), QStringLiteral("x"));
    EXPECT_EQ(store.subkeys(Hive::LocalMachine, QStringLiteral("SOFTWARE\\LonWorks\\LCA")),
              QStringList{QStringLiteral("Plug-Ins")});
    EXPECT_TRUE(store.keyExists(Hive::LocalMachine, otherSpelling));
}

TEST_F(SqliteRegistryStoreTest, DefaultValueHivesAndMissingValues)
{
    EXPECT_FALSE(store.readValue(Hive::LocalMachine, Key, QString()).has_value());
    ASSERT_TRUE(store.writeValue(Hive::LocalMachine, Key, QString(), QStringLiteral("Prog.Id")));
    ASSERT_TRUE(store.writeValue(Hive::LocalMachine, Key, QStringLiteral("Name"), QStringLiteral("N")));
    EXPECT_EQ(store.readValue(Hive::LocalMachine, Key, QString()), QStringLiteral("Prog.Id"));
    EXPECT_EQ(store.readValue(Hive::LocalMachine, Key, QStringLiteral("")), QStringLiteral("Prog.Id"));
    EXPECT_FALSE(store.readValue(Hive::CurrentUser, Key, QString()).has_value());
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, Key));
    EXPECT_FALSE(store.readValue(Hive::LocalMachine, Key, QStringLiteral("Missing")).has_value());

    // Empty values and embedded NUL characters survive as written.
    const QString withNul = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd");
    ASSERT_TRUE(store.writeValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("v"), withNul));
    ASSERT_TRUE(store.writeValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("e"), QString()));
    EXPECT_EQ(store.readValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("v")), withNul);
    EXPECT_EQ(store.readValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("e")), QString());

    EXPECT_TRUE(store.deleteValue(Hive::CurrentUser, QStringLiteral("k"), QStringLiteral("V")));
    EXPECT_FALSE(store.deleteValue(Hive::CurrentUser, QStringLiteral("k"), QStringLiteral("V")));
    EXPECT_EQ(store.valueNames(Hive::CurrentUser, QStringLiteral("K")), QStringList{QStringLiteral("e")});
}

TEST_F(SqliteRegistryStoreTest, SubkeysInCreationOrderAndDeletionRules)
{
    const QString parent = QStringLiteral("SOFTWARE\\Parent");
    for (const char* name : {"zeta", "Alpha", "mid"})
        ASSERT_TRUE(store.createKey(Hive::LocalMachine, parent + QLatin1Char('\\') + QLatin1String(name)));
    ASSERT_TRUE(store.createKey(Hive::LocalMachine, parent + QStringLiteral("\\ALPHA\\deep")));
    EXPECT_EQ(store.subkeys(Hive::LocalMachine, parent),
              (QStringList{QStringLiteral("zeta"), QStringLiteral("Alpha"), QStringLiteral("mid")}));

    EXPECT_FALSE(store.deleteKey(Hive::LocalMachine, parent + QStringLiteral("\\alpha")));
    EXPECT_FALSE(store.deleteKey(Hive::LocalMachine, parent + QStringLiteral("\\missing")));
    ASSERT_TRUE(store.writeValue(Hive::LocalMachine, parent + QStringLiteral("\\alpha\\deep"),
                                 QStringLiteral("v"), QStringLiteral("1")));
    EXPECT_TRUE(store.deleteKey(Hive::LocalMachine, parent + QStringLiteral("\\alpha\\DEEP")));
    EXPECT_TRUE(store.deleteKey(Hive::LocalMachine, parent + QStringLiteral("\\alpha")));
    EXPECT_EQ(store.subkeys(Hive::LocalMachine, parent),
              (QStringList{QStringLiteral("zeta"), QStringLiteral("mid")}));

    // A re-created key starts without the values of its predecessor.
    ASSERT_TRUE(store.createKey(Hive::LocalMachine, parent + QStringLiteral("\\alpha\\deep")));
    EXPECT_FALSE(
        store.readValue(Hive::LocalMachine, parent + QStringLiteral("\\alpha\\deep"), QStringLiteral("v"))
            .has_value());
}

TEST_F(SqliteRegistryStoreTest, TheHiveItselfIsNoOrdinaryKey)
{
    ASSERT_TRUE(store.createKey(Hive::LocalMachine, QStringLiteral("\\SOFTWARE\\\\A\\")));
    EXPECT_TRUE(store.keyExists(Hive::LocalMachine, QStringLiteral("SOFTWARE\\A")));
    EXPECT_TRUE(store.keyExists(Hive::LocalMachine, QString()));
    EXPECT_EQ(store.subkeys(Hive::LocalMachine, QString()), QStringList{QStringLiteral("SOFTWARE")});
    EXPECT_FALSE(store.deleteKey(Hive::LocalMachine, QString()));
    EXPECT_FALSE(store.writeValue(Hive::LocalMachine, QString(), QStringLiteral("v"), QStringLiteral("1")));
    // Refusing a caller's request is no fault of the store.
    EXPECT_TRUE(store.lastError().isEmpty());
    EXPECT_TRUE(store.keyExists(Hive::LocalMachine, QStringLiteral("SOFTWARE\\A")));
}

TEST(SqliteRegistryStoreFile, CreatesMissingFolders)
{
    TempLonWorksHome home;
    const QString file = home.path() + QStringLiteral("/a/b/registry.sqlite");
    SqliteRegistryStore store(file);
    EXPECT_TRUE(store.lastError().isEmpty()) << store.lastError().toStdString();
    EXPECT_TRUE(
        store.writeValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("1")));
    EXPECT_TRUE(QFile::exists(file));
}

TEST(SqliteRegistryStoreFile, CorruptFileIsReportedAndReadsEmpty)
{
    TempLonWorksHome home;
    const QString file = lonworks_home::registryFile();
    {
        QFile garbage(file);
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x5a') + QByteArray("this is no registry"));
    }
    SqliteRegistryStore store(file);
    EXPECT_TRUE(store.lastError().contains(file)) << store.lastError().toStdString();
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("not a database")))
        << store.lastError().toStdString();
    EXPECT_FALSE(store.keyExists(Hive::LocalMachine, QString()));
    EXPECT_FALSE(store.readValue(Hive::LocalMachine, Key, QString()).has_value());
    EXPECT_TRUE(store.subkeys(Hive::LocalMachine, QString()).isEmpty());
    EXPECT_TRUE(store.valueNames(Hive::LocalMachine, Key).isEmpty());
    EXPECT_FALSE(store.createKey(Hive::LocalMachine, Key));
    EXPECT_FALSE(store.writeValue(Hive::LocalMachine, Key, QString(), QStringLiteral("x")));
    EXPECT_FALSE(store.deleteValue(Hive::LocalMachine, Key, QString()));
    EXPECT_FALSE(store.deleteKey(Hive::LocalMachine, Key));

    // The bad file is left alone for the user to inspect.
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().endsWith("this is no registry"));
}

TEST(SqliteRegistryStoreFile, UnopenableFileIsReported)
{
    TempLonWorksHome home;
    const QString file = lonworks_home::registryFile();
    ASSERT_TRUE(QDir().mkpath(file));
    SqliteRegistryStore store(file);
    EXPECT_TRUE(store.lastError().contains(file));
    EXPECT_FALSE(
        store.writeValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("1")));
}

TEST(SqliteRegistryStoreSharing, TwoStoresOnOneFileSeeEachOther)
{
    TempLonWorksHome home;
    SqliteRegistryStore first(lonworks_home::registryFile());
    SqliteRegistryStore second(lonworks_home::registryFile());
    ASSERT_TRUE(first.lastError().isEmpty());
    ASSERT_TRUE(second.lastError().isEmpty());

    ASSERT_TRUE(first.writeValue(Hive::LocalMachine, Key, QStringLiteral("Version"), QStringLiteral("1.4")));
    EXPECT_EQ(second.readValue(Hive::LocalMachine, Key, QStringLiteral("version")), QStringLiteral("1.4"));
    ASSERT_TRUE(second.writeValue(Hive::LocalMachine, Key, QStringLiteral("Version"), QStringLiteral("1.5")));
    EXPECT_EQ(first.readValue(Hive::LocalMachine, Key, QStringLiteral("Version")), QStringLiteral("1.5"));
    ASSERT_TRUE(second.deleteKey(Hive::LocalMachine, Key));
    EXPECT_FALSE(first.keyExists(Hive::LocalMachine, Key));
}

TEST(SqliteRegistryStoreSharing, ValueWrittenByAnotherProcessIsRead)
{
    TempLonWorksHome home;
    const QString file = lonworks_home::registryFile();
    const pid_t child = startChild([&file] {
        SqliteRegistryStore store(file);
        return store.writeValue(Hive::CurrentUser, QStringLiteral("Control Panel\\International"),
                                QStringLiteral("sDecimal"), QStringLiteral("."));
    });
    ASSERT_TRUE(childSucceeded(child));

    SqliteRegistryStore store(file);
    EXPECT_EQ(store.readValue(Hive::CurrentUser, QStringLiteral("control panel\\international"),
                              QStringLiteral("SDECIMAL")),
              QStringLiteral("."));
}

TEST(SqliteRegistryStoreSharing, ConcurrentWritersInTwoProcessesLoseNothing)
{
    TempLonWorksHome home;
    const QString file = lonworks_home::registryFile();
    constexpr int writes = 60;
    const auto writeAll = [&file](const QString& key) {
        SqliteRegistryStore store(file);
        for (int i = 0; i < writes; ++i) {
            if (!store.writeValue(Hive::LocalMachine, key, QString::number(i), QString::number(i * 2)))
                return false;
        }
        return true;
    };
    const pid_t child = startChild([&] { return writeAll(QStringLiteral("Child\\Values")); });
    const bool parentWrote = writeAll(QStringLiteral("Parent\\Values"));
    ASSERT_TRUE(childSucceeded(child));
    ASSERT_TRUE(parentWrote);

    SqliteRegistryStore store(file);
    EXPECT_EQ(store.valueNames(Hive::LocalMachine, QStringLiteral("Child\\Values")).size(), writes);
    EXPECT_EQ(store.valueNames(Hive::LocalMachine, QStringLiteral("Parent\\Values")).size(), writes);
    EXPECT_EQ(store.readValue(Hive::LocalMachine, QStringLiteral("Child\\Values"), QStringLiteral("59")),
              QStringLiteral("118"));
    EXPECT_EQ(store.subkeys(Hive::LocalMachine, QString()).size(), 2);
}

} // namespace
