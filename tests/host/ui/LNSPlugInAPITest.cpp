#include "automation/LNSPlugInAPI.h"

#include "automation/PlugInHost.h"
#include "host/AutomationError.h"
#include "host/CRegistry.h"
#include "host/RegistryKeys.h"
#include "host/support/FakePlugInWindow.h"
#include "registration/support/FakeSelfLauncher.h"
#include "support/PlugInTestContext.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const QString ReadOnly = QStringLiteral("Attempt to write to read-only property");
const QString NotNormal = QStringLiteral("Plug-in can't be moved or sized while minimized or maximized");

void expectError(const std::function<void()>& call, int number, const QString& description)
{
    try {
        call();
        ADD_FAILURE() << "no error, expected " << number;
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.description(), description);
        EXPECT_EQ(error.source(), QStringLiteral("Korvandel_zep31_PlugIn"));
    }
}

class LNSPlugInAPITest : public ::testing::Test
{
protected:
    LNSPlugInAPITest()
    {
        CRegistry(m_test.registry)
            .setMachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue,
                               QStringLiteral("english"));
        m_test.catalogue.LoadTexts(0);
    }

    PlugInTestContext m_test;
    FakeSelfLauncher m_launcher;
    FakePlugInWindow* m_window = nullptr;
    PlugInHost m_host{m_test.context,
                      [this](AppContext&) {
                          auto window = std::make_unique<FakePlugInWindow>();
                          m_window = window.get();
                          return window;
                      },
                      m_launcher};
};

} // namespace

TEST_F(LNSPlugInAPITest, IdentityIsConstantAndEveryLetFails)
{
    LNSPlugInAPI api(m_host);
    EXPECT_EQ(api.Name(), QStringLiteral("Korvandel_zep31_PlugIn"));
    EXPECT_EQ(api.ManufacturerName(), QStringLiteral("Korvandel Devices GmbH"));
    EXPECT_EQ(api.ManufacturerID(), QStringLiteral("1048380"));
    EXPECT_EQ(api.LcaVersion(), QStringLiteral("3.0"));
    EXPECT_EQ(api.Version(), QStringLiteral("1.4"));

    const QString anything = QStringLiteral("2.0");
    expectError([&] { api.setName(anything); }, 20002, ReadOnly);
    expectError([&] { api.setManufacturerName(anything); }, 20002, ReadOnly);
    expectError([&] { api.setManufacturerID(anything); }, 20002, ReadOnly);
    expectError([&] { api.setLcaVersion(anything); }, 20002, ReadOnly);
    expectError([&] { api.setVersion(anything); }, 20002, ReadOnly);
    EXPECT_EQ(api.Version(), QStringLiteral("1.4"));
}

TEST_F(LNSPlugInAPITest, DevelopmentProgramIdKeepsSixteenCharactersOnly)
{
    LNSPlugInAPI first(m_host);
    LNSPlugInAPI second(m_host);
    first.setDevelopmentProgramId(QStringLiteral("9FFF3C0A00060417"));
    EXPECT_EQ(second.DevelopmentProgramId(), QStringLiteral("9FFF3C0A00060417"));
    first.setDevelopmentProgramId(QStringLiteral("9FFF3C0A0006041"));
    EXPECT_TRUE(first.DevelopmentProgramId().isEmpty());
    first.setDevelopmentProgramId(QStringLiteral("9FFF3C0A000604170"));
    EXPECT_TRUE(first.DevelopmentProgramId().isEmpty());
}

TEST_F(LNSPlugInAPITest, InterfaceNameBelongsToTheInstance)
{
    LNSPlugInAPI first(m_host);
    LNSPlugInAPI second(m_host);
    first.setNetworkInterfaceName(QStringLiteral("LON1"));
    EXPECT_EQ(first.NetworkInterfaceName(), QStringLiteral("LON1"));
    EXPECT_TRUE(second.NetworkInterfaceName().isEmpty());
}

TEST_F(LNSPlugInAPITest, GeometryInPixelsWhileTheWindowIsNormal)
{
    LNSPlugInAPI api(m_host);
    api.setWidth(640);
    api.setHeight(480);
    api.setLeft(12);
    api.setTop(34);
    EXPECT_EQ(api.Width(), 640);
    EXPECT_EQ(api.Height(), 480);
    EXPECT_EQ(api.Left(), 12);
    EXPECT_EQ(api.Top(), 34);
}

TEST_F(LNSPlugInAPITest, GeometryWhileMaximisedFailsAndChangesNothing)
{
    LNSPlugInAPI api(m_host);
    m_window->widget().setWindowState(Qt::WindowMaximized);
    const QRect before = m_window->widget().geometry();
    expectError([&] { api.setWidth(800); }, 20006, NotNormal);
    expectError([&] { api.setHeight(800); }, 20006, NotNormal);
    expectError([&] { api.setLeft(99); }, 20006, NotNormal);
    expectError([&] { api.setTop(99); }, 20006, NotNormal);
    EXPECT_EQ(m_window->widget().geometry(), before);

    m_window->widget().setWindowState(Qt::WindowMinimized);
    expectError([&] { api.setWidth(800); }, 20006, NotNormal);
}

TEST_F(LNSPlugInAPITest, FixedSizeWindowCannotBeSizedButMoved)
{
    LNSPlugInAPI api(m_host);
    m_window->widget().setFixedSize(300, 200);
    expectError([&] { api.setHeight(400); }, 20002, ReadOnly);
    api.setLeft(40);
    EXPECT_EQ(api.Left(), 40);
    EXPECT_EQ(api.Height(), 200);
}

TEST_F(LNSPlugInAPITest, MinimizedWhileHiddenRaisesButTakesEffectWhenShown)
{
    LNSPlugInAPI api(m_host);
    expectError(
        [&] { api.setMinimized(true); }, 20006,
        QStringLiteral("Can not modify the minimzed property when invisble. The property will be applied the "
                       "next time the plug-in is made visible"));
    api.setVisible(true);
    EXPECT_TRUE(api.Visible());
    EXPECT_TRUE(api.Minimized());
    api.setMinimized(false);
    EXPECT_FALSE(api.Minimized());
    api.setVisible(false);
    EXPECT_FALSE(m_window->widget().isVisible());
}

TEST_F(LNSPlugInAPITest, FirstInstanceLoadsTheHiddenWindowAndCounts)
{
    auto first = std::make_unique<LNSPlugInAPI>(m_host);
    ASSERT_NE(m_window, nullptr);
    EXPECT_FALSE(m_window->widget().isVisible());
    EXPECT_TRUE(m_test.commands.isFilled());
    auto second = std::make_unique<LNSPlugInAPI>(m_host);
    EXPECT_EQ(m_test.connection.directorCount, 2);
    first.reset();
    EXPECT_EQ(m_test.connection.directorCount, 1);
    EXPECT_EQ(m_window->endCalls(), 0);
    second.reset();
    EXPECT_EQ(m_test.connection.directorCount, 0);
    EXPECT_EQ(m_window->endCalls(), 1);
}

TEST_F(LNSPlugInAPITest, LastReleaseWithTheWindowVisibleKeepsThePlugIn)
{
    auto api = std::make_unique<LNSPlugInAPI>(m_host);
    api->setVisible(true);
    api.reset();
    EXPECT_EQ(m_window->endCalls(), 0);
    // A new director later finds the same window.
    FakePlugInWindow* loaded = m_window;
    LNSPlugInAPI again(m_host);
    EXPECT_EQ(m_window, loaded);
    EXPECT_EQ(m_test.connection.directorCount, 1);
}

TEST_F(LNSPlugInAPITest, NetworkNameOpensTheNetwork)
{
    LNSPlugInAPI api(m_host);
    api.setNetworkName(QStringLiteral("Demo"));
    EXPECT_EQ(api.networkName(), QStringLiteral("Demo"));
    EXPECT_TRUE(m_test.connection.NetworkOpen);
    EXPECT_FALSE(api.Remote());

    expectError([&] { api.setNetworkName(QStringLiteral("Nowhere")); }, 20006,
                QStringLiteral("Cannot open the network Nowhere"));
    EXPECT_TRUE(api.networkName().isEmpty());
    EXPECT_FALSE(m_test.connection.NetworkOpen);
}
