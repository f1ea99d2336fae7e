#include "registration/PlugInRegistration.h"

#include "host/CRegistry.h"
#include "host/RegistryKeys.h"
#include "host/object_server/ResourceCatalogue.h"
#include "registration/support/FakeSelfLauncher.h"
#include "support/PlugInTestContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Icon = UiServices::Icon;
using Buttons = UiServices::Buttons;
using Answer = UiServices::Answer;

const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");
const QString UserFolder = QStringLiteral("\\Types\\User\\Korvandel");

class PlugInRegistrationTest : public ::testing::Test
{
protected:
    QString value(const QString& name)
    {
        return CRegistry(m_test.registry).MachineSetting(registry_keys::PlugInKey, name);
    }
    void setValue(const QString& name, const QString& text)
    {
        CRegistry(m_test.registry).setMachineSetting(registry_keys::PlugInKey, name, text);
    }
    void setLonWorksPath(const QString& path)
    {
        CRegistry(m_test.registry)
            .setMachineSetting(registry_keys::LonWorksKey, registry_keys::LonWorksPathValue, path);
    }

    PlugInTestContext m_test;
    FakeSelfLauncher m_launcher;
    PlugInRegistration m_registration{m_test.context, m_launcher};
};

} // namespace

TEST_F(PlugInRegistrationTest, SilentFreshRegistrationWritesTheKey)
{
    m_registration.setSelectedLanguage(QStringLiteral("german"));
    EXPECT_EQ(m_registration.RegisterPlugIn(false), PlugInRegistration::Result::Registered);
    EXPECT_EQ(m_launcher.arguments(), QStringList{QStringLiteral("/regserver")});
    EXPECT_EQ(value(QString()), QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI"));
    EXPECT_EQ(value(QStringLiteral("Name")), QStringLiteral("Korvandel_zep31_PlugIn"));
    EXPECT_EQ(value(QStringLiteral("Description")), QStringLiteral("Plug-in for ZEP31"));
    EXPECT_EQ(value(QStringLiteral("Scope")), QStringLiteral("2"));
    EXPECT_EQ(value(QStringLiteral("ManufacturerName")), QStringLiteral("Korvandel Devices GmbH"));
    EXPECT_EQ(value(QStringLiteral("Version")), QStringLiteral("1.4"));
    EXPECT_EQ(value(QStringLiteral("LcaVersion")), QStringLiteral("3.0"));
    for (const char* flag : {"Prelaunch", "MultiObject", "SingleInstance"})
        EXPECT_EQ(value(QString::fromLatin1(flag)), QStringLiteral("-1")) << flag;
    EXPECT_EQ(value(QStringLiteral("Language")), QStringLiteral("german"));
    EXPECT_TRUE(m_test.ui.messages().isEmpty());
}

TEST_F(PlugInRegistrationTest, WithoutALanguageSwitchTheLanguageIsEmpty)
{
    setValue(QStringLiteral("Language"), QStringLiteral("english"));
    m_registration.RegisterPlugIn(false);
    EXPECT_TRUE(value(QStringLiteral("Language")).isEmpty());
    EXPECT_TRUE(m_test.registry
                    .readValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                               QStringLiteral("Language"))
                    .has_value());
}

TEST_F(PlugInRegistrationTest, VerboseMessagesUseTheLanguageJustRegistered)
{
    m_registration.setSelectedLanguage(QStringLiteral("english"));
    m_test.ui.expectMessage(QStringLiteral("Plug-in registered as Korvandel_zep31_PlugIn.LNSPlugInAPI"),
                            Title, Icon::Information, Buttons::Ok, Answer::Ok);
    EXPECT_EQ(m_registration.RegisterPlugIn(true), PlugInRegistration::Result::Registered);

    // The same version again is an update, reported in German now.
    m_registration.setSelectedLanguage(QStringLiteral("german"));
    m_test.ui.expectMessage(
        QStringLiteral(
            "Die neuere Version des Plug-in wurde registriert als Korvandel_zep31_PlugIn.LNSPlugInAPI"),
        Title, Icon::Information, Buttons::Ok, Answer::Ok);
    EXPECT_EQ(m_registration.RegisterPlugIn(true), PlugInRegistration::Result::Updated);
}

TEST_F(PlugInRegistrationTest, NewerRegisteredVersionChangesNothing)
{
    for (const char* stored : {"1.10", "1.5", "2.0", "1.10 beta"}) {
        setValue(QString(), registry_keys::ProgId);
        setValue(QStringLiteral("Version"), QString::fromLatin1(stored));
        setValue(QStringLiteral("Language"), QStringLiteral("english"));
        m_registration.setSelectedLanguage(QStringLiteral("german"));
        m_test.ui.expectMessage(QStringLiteral("A newer version of this plug-in is already registered"),
                                Title, Icon::Information, Buttons::Ok, Answer::Ok);
        EXPECT_EQ(m_registration.RegisterPlugIn(true), PlugInRegistration::Result::NewerVersionRegistered)
            << stored;
        EXPECT_EQ(value(QStringLiteral("Version")), QString::fromLatin1(stored));
        EXPECT_EQ(value(QStringLiteral("Language")), QStringLiteral("english"));
    }
    EXPECT_TRUE(m_launcher.arguments().isEmpty());
}

TEST_F(PlugInRegistrationTest, OlderOrMissingVersionIsUpdated)
{
    for (const char* stored : {"", "1.3", "0.9", "1.04", "garbage"}) {
        setValue(QString(), registry_keys::ProgId);
        setValue(QStringLiteral("Version"), QString::fromLatin1(stored));
        EXPECT_EQ(m_registration.RegisterPlugIn(false), PlugInRegistration::Result::Updated) << stored;
        EXPECT_EQ(value(QStringLiteral("Version")), QStringLiteral("1.4"));
    }
}

TEST_F(PlugInRegistrationTest, ServerRegistrationThatCannotStartWritesNothing)
{
    setValue(QStringLiteral("Language"), QStringLiteral("english"));
    m_launcher.failWith(QStringLiteral("No such file"));
    m_test.ui.expectMessage(
        QStringLiteral("Plug-in Korvandel_zep31_PlugIn.LNSPlugInAPI registration as COM server failed"),
        Title, Icon::Critical, Buttons::Ok, Answer::Ok);
    EXPECT_EQ(m_registration.RegisterPlugIn(true), PlugInRegistration::Result::ServerRegistrationFailed);
    EXPECT_TRUE(value(QString()).isEmpty());
    EXPECT_TRUE(value(QStringLiteral("Version")).isEmpty());

    // Silent, nothing is shown either.
    EXPECT_EQ(m_registration.RegisterPlugIn(false), PlugInRegistration::Result::ServerRegistrationFailed);
}

TEST_F(PlugInRegistrationTest, MissingLonWorksPathIsReportedAfterTheSilentRetries)
{
    setLonWorksPath(QString());
    const QString cause = QStringLiteral("The registry holds no \"LonWorks Path\". 4001");
    // Ignore goes on with the next step, which fails as well.
    for (const char* step : {"open", "Add", "Refresh", "close"})
        m_test.ui.expectMessage(cause + QString::fromLatin1(step) + UserFolder, Title, Icon::Critical,
                                Buttons::AbortRetryIgnore, Answer::Ignore);
    m_registration.RegisterResourceDirectory();
    m_test.ui.verifyAllShown();

    // Retry starts the step over with its silent retries; Abort leaves.
    m_test.ui.expectMessage(cause + QStringLiteral("open") + UserFolder, Title, Icon::Critical,
                            Buttons::AbortRetryIgnore, Answer::Retry);
    m_test.ui.expectMessage(cause + QStringLiteral("open") + UserFolder, Title, Icon::Critical,
                            Buttons::AbortRetryIgnore, Answer::Abort);
    m_registration.RegisterResourceDirectory();
}

// A catalogue whose calls answer with the statuses given, 0 once they are used up.
class ScriptedCatalogue final : public lns::ResourceCatalogue
{
public:
    explicit ScriptedCatalogue(QList<int>& statuses) : m_statuses(statuses) {}
    int open(const QString&) override { return next(); }
    int close() override { return next(); }
    bool isOpen() const override { return false; }
    int addDirectory(const QString&) override { return next(); }
    int refresh() override { return next(); }
    int findResourceFileSet(const QString&, int, int, int, QString&) override { return next(); }

private:
    int next() { return m_statuses.isEmpty() ? 0 : m_statuses.takeFirst(); }
    QList<int>& m_statuses;
};

// The simulated object server with a scripted resource catalogue.
class ScriptedCatalogueServer final : public lns::ObjectServer
{
public:
    ScriptedCatalogueServer(lns::ObjectServer& server, QList<int>& statuses)
        : m_server(server), m_statuses(statuses)
    {
    }
    bool isOpen() const override { return m_server.isOpen(); }
    void open() override { m_server.open(); }
    void close() override { m_server.close(); }
    bool remote() const override { return m_server.remote(); }
    void setRemote(bool remote) override { m_server.setRemote(remote); }
    void setOpenOption(bool on) override { m_server.setOpenOption(on); }
    quint32 connectionFlags() const override { return m_server.connectionFlags(); }
    void setConnectionFlags(quint32 flags) override { m_server.setConnectionFlags(flags); }
    std::shared_ptr<lns::Networks> networks() const override { return m_server.networks(); }
    std::shared_ptr<lns::NetworkInterfaces> networkInterfaces() const override
    {
        return m_server.networkInterfaces();
    }
    void setActiveRemoteInterface(const std::shared_ptr<lns::NetworkInterface>& networkInterface) override
    {
        m_server.setActiveRemoteInterface(networkInterface);
    }
    std::shared_ptr<lns::ComponentApps> componentApps() const override { return m_server.componentApps(); }
    std::unique_ptr<lns::ResourceCatalogue> createResourceCatalogue() const override
    {
        return std::make_unique<ScriptedCatalogue>(m_statuses);
    }
    std::unique_ptr<lns::ResourceFileReader> createResourceFileReader() const override
    {
        return m_server.createResourceFileReader();
    }
    std::unique_ptr<lns::ProfileReader> createProfileReader() const override
    {
        return m_server.createProfileReader();
    }

private:
    lns::ObjectServer& m_server;
    QList<int>& m_statuses;
};

TEST_F(PlugInRegistrationTest, ResourceDirectoryStepsShareOneBudgetOfSilentRetries)
{
    // open fails three times and Add until the routine's budget is spent: that failure asks, and
    // Retry starts the call over with the whole budget again, which Add spends before it works.
    const int silent = PlugInRegistration::ResourceDirectoryRetries.silentRetries;
    QList<int> statuses{9, 9, 9, 0};
    for (int failure = 0; failure < (silent - 3) + 1 + silent; ++failure)
        statuses.append(9);
    statuses << 0 << 0 << 0;
    ScriptedCatalogueServer server(*m_test.objectServer, statuses);
    AppContext context{m_test.registry,
                       server,
                       m_test.ui,
                       m_test.progress,
                       m_test.catalogue,
                       m_test.connection,
                       m_test.commands,
                       m_test.settings,
                       m_test.points,
                       m_test.resourceDir,
                       {},
                       {}};
    PlugInRegistration registration(context, m_launcher);
    m_test.ui.setRelaxed(Answer::Retry);
    EXPECT_TRUE(registration.RegisterResourceDirectory());
    EXPECT_EQ(m_test.ui.messages().size(), 1);
    EXPECT_TRUE(statuses.isEmpty());
}

TEST_F(PlugInRegistrationTest, CatalogueStatusFailureNamesStepAndFolder)
{
    QTemporaryDir elsewhere;
    setLonWorksPath(elsewhere.path());
    m_test.ui.setRelaxed(Answer::Abort);
    m_registration.RegisterResourceDirectory();
    ASSERT_EQ(m_test.ui.messages().size(), 1);
    const QString text = m_test.ui.messages().constFirst().text;
    EXPECT_TRUE(text.endsWith(QStringLiteral("open") + elsewhere.path() + UserFolder)) << text.toStdString();
    EXPECT_TRUE(text.at(0).isDigit()) << text.toStdString();
}

TEST_F(PlugInRegistrationTest, ResourceDirectoryIsRegisteredWithoutQuestions)
{
    m_registration.RegisterResourceDirectory();
    EXPECT_TRUE(m_test.ui.messages().isEmpty());
}

TEST(PlugInRegistrationFailure, AnUnwritableRegistryIsReportedInsteadOfSuccess)
{
    PlugInTestContext test;
    QTemporaryDir elsewhere;
    const QString file = elsewhere.path() + QStringLiteral("/registry.sqlite");
    {
        QFile garbage(file);
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(2048, '\x01'));
    }
    SqliteRegistryStore broken(file);
    MessageCatalogue catalogue(broken);
    AppContext context{
        broken,        *test.objectServer, test.ui,     test.progress,    catalogue, test.connection,
        test.commands, test.settings,      test.points, test.resourceDir, {},        {}};
    FakeSelfLauncher launcher;
    PlugInRegistration registration(context, launcher);
    test.ui.setRelaxed(Answer::Ok);
    EXPECT_EQ(registration.RegisterPlugIn(true), PlugInRegistration::Result::RegistryWriteFailed);
    ASSERT_EQ(test.ui.messages().size(), 1);
    EXPECT_EQ(test.ui.messages().constFirst().icon, Icon::Critical);
    EXPECT_TRUE(test.ui.messages().constFirst().text.contains(file))
        << test.ui.messages().constFirst().text.toStdString();
}
