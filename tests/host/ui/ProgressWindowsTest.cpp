#include "host/ui/ProgressWindows.h"

#include "support/FakeUi.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class ProgressWindowsTest : public ::testing::Test
{
protected:
    static QRect screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    int splashHeight() const { return m_windows.splashWindow()->frameGeometry().height(); }
    QPoint ownPosition() const
    {
        return ProgressWindows::progressPosition(screen(), m_windows.progressWindow()->frameGeometry().size(),
                                                 splashHeight());
    }
    QString label() const
    {
        return m_windows.progressWindow()->findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    }

    FakeUi m_ui;
    ProgressWindows m_windows{m_ui};
};

} // namespace

TEST(ProgressWindowsPlacement, FollowsTheRulesInPixels)
{
    const QRect screen(0, 0, 1000, 800);
    // left = (1000 - (400 + 270 / 50.1)) / 2, top = (800 - (100 - 270 / 1.1)) / 2
    EXPECT_EQ(ProgressWindows::progressPosition(screen, QSize(400, 100), 270), QPoint(297, 473));
    // The start position uses 2.1 instead of 50.1.
    EXPECT_EQ(ProgressWindows::progressStartPosition(screen, QSize(400, 100), 270), QPoint(236, 473));
    EXPECT_EQ(ProgressWindows::splashPosition(screen, QSize(500, 300)), QPoint(250, 258));
    // The screen's available area may not start at the origin.
    EXPECT_EQ(ProgressWindows::splashPosition(QRect(100, 40, 1000, 800), QSize(500, 300)), QPoint(350, 298));
}

TEST_F(ProgressWindowsTest, ShowingMovesToTheStartPositionWithTheHourglass)
{
    m_windows.showProgress(true);
    ASSERT_TRUE(m_windows.progressVisible());
    EXPECT_EQ(m_windows.progressWindow()->windowTitle(), QStringLiteral("Plug-In"));
    EXPECT_EQ(m_windows.status(), QStringLiteral(" Initialisiere PlugIn...."));
    EXPECT_EQ(m_ui.pointer(), UiServices::Pointer::Hourglass);
    EXPECT_EQ(m_windows.progressWindow()->pos(),
              ProgressWindows::progressStartPosition(
                  screen(), m_windows.progressWindow()->frameGeometry().size(), splashHeight()));
    // The splash window was only loaded to measure it.
    EXPECT_FALSE(m_windows.splashVisible());
}

TEST_F(ProgressWindowsTest, ANewStatusBringsTheWindowBack)
{
    m_windows.showProgress(true);
    m_windows.progressWindow()->move(5, 5);
    m_windows.setStatus(QStringLiteral("Korvandel zep31_06\r\nAdding command Configure"));
    EXPECT_EQ(m_windows.progressWindow()->pos(), ownPosition());
    EXPECT_EQ(label(), QStringLiteral("Korvandel zep31_06\nAdding command Configure"));
    EXPECT_EQ(m_windows.status(), QStringLiteral("Korvandel zep31_06\r\nAdding command Configure"));
}

TEST_F(ProgressWindowsTest, ClosingRestoresTheDefaultPointer)
{
    m_windows.showProgress(false);
    m_ui.setPointer(UiServices::Pointer::Hourglass);
    m_windows.closeProgress();
    EXPECT_FALSE(m_windows.progressVisible());
    EXPECT_EQ(m_ui.pointer(), UiServices::Pointer::Default);
    // A text for a window that is not loaded is kept, nothing is shown.
    m_windows.setStatus(QStringLiteral("later"));
    EXPECT_FALSE(m_windows.progressVisible());
    EXPECT_EQ(m_windows.status(), QStringLiteral("later"));
    // Showing again starts with the designed text.
    m_windows.showProgress(false);
    EXPECT_EQ(m_windows.status(), QStringLiteral(" Initialisiere PlugIn...."));
}

TEST_F(ProgressWindowsTest, SplashCentresItselfAndShowsTheDeviceSearch)
{
    m_windows.showSplash();
    ASSERT_TRUE(m_windows.splashVisible());
    fStartbild* splash = m_windows.splashWindow();
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Korvandel Devices GmbH"));
    EXPECT_EQ(splash->pos(), ProgressWindows::splashPosition(screen(), splash->frameGeometry().size()));
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Plug-In ZEP31"));
    EXPECT_FALSE(splash->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
    EXPECT_FALSE(splash->findChild<QLabel*>(QStringLiteral("Image2"))->pixmap().isNull());

    EXPECT_FALSE(splash->Progr_Geraete()->isVisible());
    m_windows.setSearchVisible(true);
    m_windows.setSearchRange(12);
    m_windows.setSearchValue(5);
    m_windows.setSearchText(QStringLiteral("found: 5"));
    EXPECT_TRUE(splash->Progr_Geraete()->isVisible());
    EXPECT_EQ(splash->Progr_Geraete()->maximum(), 12);
    EXPECT_EQ(splash->Progr_Geraete()->value(), 5);
    EXPECT_EQ(splash->lblGeraet()->text(), QStringLiteral("found: 5"));

    m_windows.closeSplash();
    EXPECT_FALSE(m_windows.splashVisible());
}
