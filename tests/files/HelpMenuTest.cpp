#include "device/ui/MainWindow.h"
#include "echlog/EchLog.h"
#include "files/ui/fAbout.h"
#include "host/InstalledFiles.h"
#include "support/DemoSession.h"
#include "support/FakeUi.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

class HelpMenuTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override { demo.open(window, QStringLiteral("F1/ROU_1")); }
    bool english() const { return QString::fromLatin1(GetParam()) == QStringLiteral("english"); }

    DemoSession demo{QString::fromLatin1(GetParam())};
    MainWindow window{demo.context};
};

TEST_P(HelpMenuTest, OpensOurDocumentsInTheUsersLanguage)
{
    const QString folder = installed_files::documentFolder();
    window.controls().mnuBeschreibung->trigger();
    window.controls().mnuReadme->trigger();
    ASSERT_EQ(demo.ui.documents().size(), 2);
    const QString description = folder + (english() ? QStringLiteral("/Dokumentation/zep31_06_eng.pdf")
                                                    : QStringLiteral("/Dokumentation/zep31_06.pdf"));
    const QString readme =
        folder + (english() ? QStringLiteral("/readme_eng.txt") : QStringLiteral("/readme_ger.txt"));
    EXPECT_EQ(demo.ui.documents().at(0).pathOrUrl, description);
    EXPECT_TRUE(demo.ui.documents().at(0).maximised);
    EXPECT_EQ(demo.ui.documents().at(1).pathOrUrl, readme);
    EXPECT_FALSE(demo.ui.documents().at(1).maximised);
    // The build puts both where they are installed, relative to the program.
    EXPECT_TRUE(QFile::exists(description));
    EXPECT_TRUE(QFile::exists(readme));
}

TEST_P(HelpMenuTest, AFailedOpenIsLogged)
{
    demo.ui.setOpenDocumentResult(false);
    window.controls().mnuReadme->trigger();
    ASSERT_FALSE(window.controls().echLog->entries().isEmpty());
    EXPECT_TRUE(window.controls().echLog->entries().back().text.contains(
        QStringLiteral("Error: loading Description        (mnuBeschreibung_Click(fMain))")));
}

TEST_P(HelpMenuTest, AboutBoxIsNonModalAndOpensItsLinks)
{
    window.controls().mnuAbout->trigger();
    auto* about = window.findChild<fAbout*>(QStringLiteral("fAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Information"));
    // Choosing About again brings the same box forward instead of piling up a second one.
    window.controls().mnuAbout->trigger();
    EXPECT_EQ(window.findChildren<fAbout*>().size(), 1);
    // For a reviewer: the box as the user sees it.
    if (const QString artifacts = qEnvironmentVariable("ZEP31_ARTIFACTS"); !artifacts.isEmpty())
        about->grab().save(artifacts + QStringLiteral("/about-") + QString::fromLatin1(GetParam()) +
                           QStringLiteral(".png"));
    EXPECT_TRUE(about->findChild<QLabel*>(QStringLiteral("lblCompany"))
                    ->text()
                    .contains(QStringLiteral("Korvandel Devices GmbH")));
    emit about->findChild<QLabel*>(QStringLiteral("lblemail"))->linkActivated(QStringLiteral("#"));
    emit about->findChild<QLabel*>(QStringLiteral("lblHyperlink"))->linkActivated(QStringLiteral("#"));
    ASSERT_EQ(demo.ui.documents().size(), 2);
    EXPECT_EQ(demo.ui.documents().at(0).pathOrUrl, QStringLiteral("mailto:info@example.com"));
    EXPECT_EQ(demo.ui.documents().at(1).pathOrUrl, QStringLiteral("https://www.example.com"));
    about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<fAbout*>().isEmpty());
    window.controls().mnuAbout->trigger();
    ASSERT_EQ(window.findChildren<fAbout*>().size(), 1);
    EXPECT_TRUE(window.findChild<fAbout*>()->isVisible());
}

TEST_P(HelpMenuTest, TheLinksShowTheHandInstalledWithTheData)
{
    window.controls().mnuAbout->trigger();
    auto* about = window.findChild<fAbout*>(QStringLiteral("fAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(
        about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text().endsWith(QStringLiteral(" 1.4")));
    for (const char* name : {"lblemail", "lblHyperlink"}) {
        const QCursor cursor = about->findChild<QLabel*>(QString::fromLatin1(name))->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << name;
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(14, 2)) << name;
    }
}

TEST(AboutBoxCursor, WithoutItsFileTheLinksKeepTheirOwnCursor)
{
    FakeUi ui;
    // Missing, and a file that is no cursor.
    const QString folder = installed_files::documentFolder();
    for (const QString& file :
         {folder + QStringLiteral("/missing.cur"), folder + QStringLiteral("/readme_eng.txt")}) {
        const fAbout about(ui, true, nullptr, file);
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblemail"))->cursor().shape(),
                  Qt::PointingHandCursor)
            << file.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpMenuTest, ::testing::Values("english", "german"));

} // namespace
