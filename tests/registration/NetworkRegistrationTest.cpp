#include "registration/NetworkRegistration.h"

#include "host/CRegistry.h"
#include "host/NetworkOpener.h"
#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"
#include "support/PlugInTestContext.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using Icon = UiServices::Icon;
using Buttons = UiServices::Buttons;
using Answer = UiServices::Answer;

const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");
const QString ProgId = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");
const QString Id05 = QStringLiteral("9FFF3C0A0006040F");
const QString Id06 = QStringLiteral("9FFF3C0A00060417");
const QString Installed =
    QStringLiteral("Plug-In installation successful. To finish installation please start the "
                   "network-managment-tool again!");
const QString ConfigureQuestion =
    QStringLiteral("Do you wish to make Configure the default action for Korvandel zep31_05 devices?");

class NetworkRegistrationTest : public ::testing::Test
{
protected:
    NetworkRegistrationTest()
    {
        CRegistry(m_test.registry)
            .setMachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue,
                               QStringLiteral("english"));
        m_test.catalogue.LoadTexts(0);
        m_test.commands.fill();
    }

    void open(const QString& network, const QString& interfaceName = QString())
    {
        NetworkOpener(*m_test.objectServer, m_test.connection, m_test.catalogue, m_test.ui)
            .openNetwork(network, interfaceName);
    }

    std::shared_ptr<lns::DeviceTemplates> templates() { return m_test.connection.system->deviceTemplates(); }
    std::shared_ptr<lns::ComponentApps> apps(const QString& programId)
    {
        return templates()->findByProgramId(programId)->componentApps();
    }
    std::shared_ptr<lns::ComponentApp> app(const QString& programId, int commandId)
    {
        const std::shared_ptr<lns::ComponentApps> all = apps(programId);
        for (int i = 1; i <= all->count(); ++i)
            if (all->item(i)->progId() == ProgId && all->item(i)->commandId() == commandId)
                return all->item(i);
        return nullptr;
    }

    PlugInTestContext m_test;
    NetworkRegistration m_registration{m_test.context};
};

} // namespace

TEST_F(NetworkRegistrationTest, CommandsAreRegisteredAtEachTemplate)
{
    open(QStringLiteral("Demo"));
    m_test.ui.expectMessage(Installed, Title, Icon::None, Buttons::Ok, Answer::Ok);
    m_test.ui.expectMessage(Installed, Title, Icon::None, Buttons::Ok, Answer::Ok);
    // Asked once; the answer serves both templates.
    m_test.ui.expectMessage(ConfigureQuestion, Title, Icon::Question, Buttons::YesNo, Answer::Yes);
    ASSERT_TRUE(m_registration.RegisterWithNetwork());

    for (const QString& programId : {Id05, Id06}) {
        EXPECT_EQ(apps(programId)->count(), 2);
        const auto configure = app(programId, 13);
        ASSERT_TRUE(configure);
        EXPECT_EQ(configure->name(), QStringLiteral("Configure"));
        EXPECT_EQ(configure->objectClass(), 7);
        EXPECT_EQ(configure->version(), QStringLiteral("1.4"));
        EXPECT_EQ(configure->manufacturerId(), QStringLiteral("1048380"));
        EXPECT_TRUE(configure->isDefault());
        const auto own = app(programId, 10000);
        ASSERT_TRUE(own);
        EXPECT_EQ(own->name(), QStringLiteral("Korvandel_zep31_PlugIn"));
        EXPECT_FALSE(own->isDefault());
    }
    EXPECT_FALSE(m_test.connection.RemoteClient);
    EXPECT_EQ(m_test.progress.statuses().first(), QStringLiteral("create Templates..."));
    EXPECT_TRUE(m_test.progress.statuses().contains(QStringLiteral(
        "Korvandel zep31_06\r\nAdding command Custom command 10000 for Application Device objects...")));
    EXPECT_EQ(m_test.ui.pointer(), UiServices::Pointer::Default);
}

TEST_F(NetworkRegistrationTest, SecondRunUpdatesInsteadOfAdding)
{
    open(QStringLiteral("Demo"));
    m_test.ui.setRelaxed(Answer::Yes);
    ASSERT_TRUE(m_registration.RegisterWithNetwork());
    app(Id06, 13)->setVersion(QStringLiteral("0.9"));
    ASSERT_TRUE(m_registration.RegisterWithNetwork());
    EXPECT_EQ(apps(Id05)->count(), 2);
    EXPECT_EQ(apps(Id06)->count(), 2);
    EXPECT_EQ(app(Id06, 13)->version(), QStringLiteral("1.4"));
}

TEST_F(NetworkRegistrationTest, DefaultActionTakesOverFromOtherPlugIns)
{
    open(QStringLiteral("Demo"));
    const auto foreign = apps(Id06)->add(QStringLiteral("Configure"), QStringLiteral("Other.Tool"), 7);
    foreign->setCommandId(13);
    foreign->setDefault(true);

    m_test.ui.setRelaxed(Answer::Yes);
    ASSERT_TRUE(m_registration.RegisterWithNetwork());
    EXPECT_FALSE(foreign->isDefault());
    // The name was taken by the other plug-in.
    EXPECT_EQ(app(Id06, 13)->name(), QStringLiteral("Configure (1)"));
    EXPECT_TRUE(app(Id06, 13)->isDefault());
}

TEST_F(NetworkRegistrationTest, AnsweringNoLeavesTheDefaultsAlone)
{
    open(QStringLiteral("Demo"));
    const auto foreign = apps(Id06)->add(QStringLiteral("Browse"), QStringLiteral("Other.Tool"), 7);
    foreign->setDefault(true);
    m_test.ui.setRelaxed(Answer::No);
    ASSERT_TRUE(m_registration.RegisterWithNetwork());
    EXPECT_TRUE(foreign->isDefault());
    EXPECT_FALSE(app(Id05, 13)->isDefault());
    EXPECT_FALSE(app(Id06, 13)->isDefault());
    // One question only, for the one default command.
    int questions = 0;
    for (const UiServices::Message& message : m_test.ui.messages())
        questions += message.buttons == Buttons::YesNo ? 1 : 0;
    EXPECT_EQ(questions, 1);
}

TEST_F(NetworkRegistrationTest, UnattendedRegisteringAgainKeepsTheDefaultAction)
{
    open(QStringLiteral("Demo"));
    m_test.ui.setRelaxed(Answer::Yes);
    ASSERT_TRUE(m_registration.RegisterWithNetwork());
    ASSERT_TRUE(app(Id06, 13)->isDefault());

    // The box's No is nobody's answer: what the user chose before stays.
    m_test.ui.setAttended(false);
    m_test.ui.setRelaxed(Answer::No);
    ASSERT_TRUE(m_registration.RegisterWithNetwork());
    EXPECT_TRUE(app(Id05, 13)->isDefault());
    EXPECT_TRUE(app(Id06, 13)->isDefault());
    EXPECT_FALSE(app(Id06, 10000)->isDefault());
}

TEST_F(NetworkRegistrationTest, MissingTemplatesAreCreatedWithUniqueNames)
{
    lnssim::PlatformAdmin admin(m_test.home.path());
    admin.addNetwork(QStringLiteral("Plant"));
    // A template of another program ID holds the first variant's name.
    admin.importTemplate(QStringLiteral("Plant"), QStringLiteral("Korvandel zep31_05"),
                         m_test.home.path() + QStringLiteral("/Import/Demo/vav.xif"));
    open(QStringLiteral("Plant"));
    m_test.ui.expectMessage(
        QStringLiteral(
            "Do you wish to make Configure the default action for Korvandel zep31_05 (1) devices?"),
        Title, Icon::Question, Buttons::YesNo, Answer::Yes);
    ASSERT_TRUE(m_registration.RegisterWithNetwork());
    EXPECT_EQ(templates()->findByProgramId(Id05)->name(), QStringLiteral("Korvandel zep31_05 (1)"));
    EXPECT_EQ(templates()->findByProgramId(Id06)->name(), QStringLiteral("Korvandel zep31_06"));
    EXPECT_EQ(apps(Id05)->count(), 2);
}

TEST_F(NetworkRegistrationTest, ATemplateThatCannotBeCreatedFailsTheRegistrationButNotTheOthers)
{
    lnssim::PlatformAdmin(m_test.home.path()).addNetwork(QStringLiteral("Plant"));
    ASSERT_TRUE(QFile::remove(m_test.home.path() + QStringLiteral("/Import/Korvandel/zep31/zep31_06.xif")));
    open(QStringLiteral("Plant"));
    m_test.ui.setRelaxed(Answer::No);
    EXPECT_FALSE(m_registration.RegisterWithNetwork());
    QList<UiServices::Message> errors;
    for (const UiServices::Message& shown : m_test.ui.messages())
        if (shown.icon == Icon::Critical)
            errors.append(shown);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(
        errors.constFirst().text.endsWith(QStringLiteral("\r\nUnable to find XIF file / create a template.")))
        << errors.constFirst().text.toStdString();
    // No half-made template stays behind, and the variant that was created serves its commands.
    EXPECT_THROW(templates()->item(QStringLiteral("Korvandel zep31_06")), lns::Error);
    EXPECT_NE(app(Id05, 13), nullptr);
    EXPECT_EQ(m_test.ui.pointer(), UiServices::Pointer::Default);
}

TEST_F(NetworkRegistrationTest, RemoteClientCannotAddTemplates)
{
    lnssim::PlatformAdmin(m_test.home.path()).addNetwork(QStringLiteral("Plant"));
    open(QStringLiteral("Plant"), QStringLiteral("LON1"));
    QString lookupError;
    try {
        templates()->findByProgramId(Id05);
    } catch (const lns::Error& error) {
        lookupError = error.description();
    }
    m_test.ui.expectMessage(lookupError + QStringLiteral("\r\nRemote client cannot add a template."), Title,
                            Icon::Critical, Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(m_registration.RegisterWithNetwork());
    EXPECT_TRUE(m_test.connection.RemoteClient);
    EXPECT_EQ(templates()->count(), 0);
}

TEST_F(NetworkRegistrationTest, RemoteClientIsReminderToRegisterOnTheServer)
{
    open(QStringLiteral("Demo"), QStringLiteral("LON1"));
    m_test.ui.expectMessage(Installed, Title, Icon::None, Buttons::Ok, Answer::Ok);
    m_test.ui.expectMessage(Installed, Title, Icon::None, Buttons::Ok, Answer::Ok);
    m_test.ui.expectMessage(ConfigureQuestion, Title, Icon::Question, Buttons::YesNo, Answer::No);
    m_test.ui.expectMessage(
        QStringLiteral("register the same plug-in on the server so that the DRF can be installed "
                       "there, too. Failure to do so is not an error, but might lead to "
                       "confusion later"),
        Title, Icon::Warning, Buttons::Ok, Answer::Ok);
    EXPECT_TRUE(m_registration.RegisterWithNetwork());
}

TEST_F(NetworkRegistrationTest, ResourceFailureAsksAbortRetryIgnore)
{
    open(QStringLiteral("Demo"));
    CRegistry(m_test.registry)
        .setMachineSetting(registry_keys::LonWorksKey, registry_keys::LonWorksPathValue, QString());
    const QString unable =
        QStringLiteral("Unable to add the resources listed in the ResourceTable to the catalog");
    m_test.ui.expectMessage(Installed, Title, Icon::None, Buttons::Ok, Answer::Ok);
    m_test.ui.expectMessage(Installed, Title, Icon::None, Buttons::Ok, Answer::Ok);
    m_test.ui.expectMessage(ConfigureQuestion, Title, Icon::Question, Buttons::YesNo, Answer::Yes);
    m_test.ui.expectMessage(unable, Title, Icon::Information, Buttons::AbortRetryIgnore, Answer::Retry);
    m_test.ui.expectMessage(unable, Title, Icon::Information, Buttons::AbortRetryIgnore, Answer::Ignore);
    EXPECT_TRUE(m_registration.RegisterWithNetwork());

    m_test.ui.setRelaxed(Answer::Abort);
    EXPECT_FALSE(m_registration.RegisterWithNetwork());
}

TEST_F(NetworkRegistrationTest, NothingIsRegisteredWithoutAnOpenNetwork)
{
    EXPECT_FALSE(m_registration.RegisterWithNetwork());
    EXPECT_TRUE(m_test.ui.messages().isEmpty());
}

TEST_F(NetworkRegistrationTest, UniqueTemplateNameCountsUp)
{
    open(QStringLiteral("Demo"));
    EXPECT_EQ(NetworkRegistration::UniqueTemplateName(QStringLiteral("Korvandel zep31_06"), *templates()),
              QStringLiteral("Korvandel zep31_06 (1)"));
    templates()->add(QStringLiteral("Korvandel zep31_06 (1)"), 1);
    EXPECT_EQ(NetworkRegistration::UniqueTemplateName(QStringLiteral("Korvandel zep31_06"), *templates()),
              QStringLiteral("Korvandel zep31_06 (2)"));
    EXPECT_EQ(NetworkRegistration::UniqueTemplateName(QStringLiteral("Fresh"), *templates()),
              QStringLiteral("Fresh"));
}
