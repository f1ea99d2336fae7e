#include "registration/ui/fRegisterPlugIn.h"

#include "host/CRegistry.h"
#include "host/RegistryKeys.h"
#include "registration/PlugInDeregistration.h"
#include "registration/PlugInRegistration.h"
#include "registration/support/FakeSelfLauncher.h"
#include "support/PlugInTestContext.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Icon = UiServices::Icon;
using Buttons = UiServices::Buttons;
using Answer = UiServices::Answer;

const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");

class fRegisterPlugInTest : public ::testing::Test
{
protected:
    fRegisterPlugInTest() { m_dialog.show(); }

    QPushButton* button(const char* name)
    {
        return m_dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QComboBox* language() { return m_dialog.findChild<QComboBox*>(QStringLiteral("Language")); }
    QString registeredLanguage()
    {
        return CRegistry(m_test.registry)
            .MachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue);
    }
    bool registered() const
    {
        return m_test.registry.keyExists(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey);
    }

    PlugInTestContext m_test;
    FakeSelfLauncher m_launcher;
    PlugInRegistration m_registration{m_test.context, m_launcher};
    PlugInDeregistration m_deregistration{m_test.context, m_launcher};
    int m_ends = 0;
    fRegisterPlugIn m_dialog{m_registration, m_deregistration, [this] { ++m_ends; }};
};

} // namespace

TEST_F(fRegisterPlugInTest, LoadsWithItsCaptionsAndGerman)
{
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Korvandel_zep31_PlugIn"));
    EXPECT_EQ(m_dialog.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Language"));
    EXPECT_EQ(m_dialog.findChild<QGroupBox*>(QStringLiteral("Frame_Register"))->title(),
              QStringLiteral("Plug-in"));
    ASSERT_EQ(language()->count(), 2);
    EXPECT_EQ(language()->itemText(0), QStringLiteral("Deutsch"));
    EXPECT_EQ(language()->itemText(1), QStringLiteral("English"));
    EXPECT_EQ(language()->currentIndex(), 0);
    EXPECT_EQ(button("bRegister")->text(), QStringLiteral("&Register Plug-in"));
    EXPECT_EQ(button("bDeregister")->text(), QStringLiteral("&Deregister Plug-in"));
    EXPECT_EQ(button("bExit")->text(), QStringLiteral("&Exit"));
}

TEST_F(fRegisterPlugInTest, RegisterWithoutTouchingTheListRegistersGerman)
{
    m_test.ui.expectMessage(
        QStringLiteral("Plug-in wurde registriert als Korvandel_zep31_PlugIn.LNSPlugInAPI"), Title,
        Icon::Information, Buttons::Ok, Answer::Ok);
    button("bRegister")->click();
    EXPECT_EQ(registeredLanguage(), QStringLiteral("german"));
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_ends, 1);
}

TEST_F(fRegisterPlugInTest, ChoosingEnglishRegistersEnglish)
{
    language()->setCurrentIndex(1);
    EXPECT_EQ(m_registration.SelectedLanguage(), QStringLiteral("english"));
    m_test.ui.expectMessage(QStringLiteral("Plug-in registered as Korvandel_zep31_PlugIn.LNSPlugInAPI"),
                            Title, Icon::Information, Buttons::Ok, Answer::Ok);
    button("bRegister")->click();
    EXPECT_EQ(registeredLanguage(), QStringLiteral("english"));
}

TEST_F(fRegisterPlugInTest, ClosingEndsWithoutRegistering)
{
    m_dialog.close();
    EXPECT_EQ(m_ends, 1);
    EXPECT_FALSE(registered());
    // The program ends once, however often the window is asked to close.
    m_dialog.close();
    EXPECT_EQ(m_ends, 1);
}

TEST_F(fRegisterPlugInTest, ExitEndsTheProgram)
{
    button("bExit")->click();
    EXPECT_EQ(m_ends, 1);
    EXPECT_TRUE(m_launcher.arguments().isEmpty());
}

TEST_F(fRegisterPlugInTest, DeregisterRunsWithTheButtonsDisabled)
{
    language()->setCurrentIndex(1);
    m_test.ui.setRelaxed(Answer::Ok);
    button("bRegister")->click();
    m_test.ui.setStrict();
    m_dialog.show();

    bool disabledWhileRunning = true;
    m_test.ui.setOnProcessEvents([&](int) {
        disabledWhileRunning = disabledWhileRunning && !button("bRegister")->isEnabled() &&
                               !button("bDeregister")->isEnabled() && !button("bExit")->isEnabled();
    });
    m_test.ui.expectMessage(QStringLiteral("Plug-in Korvandel_zep31_PlugIn deregistered"), Title,
                            Icon::Information, Buttons::Ok, Answer::Ok);
    button("bDeregister")->click();
    EXPECT_TRUE(disabledWhileRunning);
    EXPECT_GT(m_test.ui.processEventsCount(), 0);
    EXPECT_FALSE(registered());
    EXPECT_TRUE(button("bRegister")->isEnabled());
    EXPECT_EQ(m_launcher.arguments(),
              (QStringList{QStringLiteral("/regserver"), QStringLiteral("/unregserver")}));
}
