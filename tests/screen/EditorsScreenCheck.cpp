// The editors in a real window on an X server, driven through the X server by pointer and key
// events (xdotool). Run by the end-to-end screen test with DISPLAY set; pictures go to
// $ZEP31_ARTIFACTS.
#include "device/ui/MainWindow.h"
#include "editors/ui/ChangeMarker.h"
#include "editors/ui/UpDown.h"
#include "support/DemoSession.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <iostream>

namespace {

constexpr int CmdConfigTab = 6;
constexpr int MaxSendTime = 64;
constexpr int MinSendTime = 57;

QString artifact(const QString& name)
{
    const QString folder = qEnvironmentVariable("ZEP31_ARTIFACTS", QDir::currentPath());
    return folder + QStringLiteral("/editors-") + name + QStringLiteral(".png");
}

class EditorsScreenCheck : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window->show();
        demo.open(*window, QStringLiteral("F1/ROU_1"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        xdotool({QStringLiteral("windowfocus"), QString::number(window->winId())});
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Runs xdotool while the window goes on handling what the X server sends it.
    static void xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(tool.waitForStarted());
        while (tool.state() != QProcess::NotRunning)
            QTest::qWait(20);
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        // Let the last events arrive.
        QTest::qWait(100);
    }

    static QStringList at(const QWidget* widget, QPoint point)
    {
        const QPoint global = widget->mapToGlobal(point);
        return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
    }

    static void click(const QWidget* widget, QPoint point)
    {
        xdotool(at(widget, point) << QStringLiteral("click") << QStringLiteral("1"));
    }

    static void type(const QString& text)
    {
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
    }

    void keep(const QString& name)
    {
        const QPixmap picture = window->screen()->grabWindow(window->winId());
        EXPECT_TRUE(picture.save(artifact(name))) << artifact(name).toStdString();
    }

    MainControls& c() { return window->controls(); }

    DemoSession demo{QStringLiteral("english"), QStringLiteral(",")};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_F(EditorsScreenCheck, TypingPointingAndHoldingInTheRealWindow)
{
    QTabBar* tabs = c().tabData->tabBar();
    click(tabs, tabs->tabRect(CmdConfigTab).center());
    ASSERT_EQ(c().tabData->currentIndex(), CmdConfigTab);
    EXPECT_FALSE(c().cmdApply->isEnabled());

    // Typing into a CP field marks it and enables Apply.
    QLineEdit* maxSendTime = c().txtNci(MaxSendTime);
    click(maxSendTime, maxSendTime->rect().center());
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    type(QStringLiteral("42"));
    EXPECT_EQ(maxSendTime->text(), QStringLiteral("42"));
    EXPECT_TRUE(change_marker::isMarked(maxSendTime));
    EXPECT_TRUE(c().cmdApply->isEnabled());
    EXPECT_TRUE(c().cmdCancel->isEnabled());
    keep(QStringLiteral("typed-cp-marked"));

    // Letters typed into a numeric field change nothing; its help is shown in English.
    QLineEdit* minSendTime = c().txtNci(MinSendTime);
    const QString before = minSendTime->text();
    click(minSendTime, minSendTime->rect().center());
    type(QStringLiteral("abc"));
    EXPECT_EQ(minSendTime->text(), before);
    EXPECT_FALSE(change_marker::isMarked(minSendTime));
    EXPECT_TRUE(c().RTHinweis->toPlainText().contains(QStringLiteral("Minimum send time of nvoSpaceTemp")))
        << c().RTHinweis->toPlainText().toStdString();
    keep(QStringLiteral("help-english"));

    // The up arrow held for a second steps about four times: once for the press and once per
    // 250 ms tick. A loaded machine may stretch the hold or delay ticks, hence the wide range; the
    // count seen is printed for the record.
    UpDown* arrows = c().UpD_nci(MaxSendTime);
    xdotool(at(arrows, QPoint(arrows->width() / 2, 3))
            << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("sleep")
            << QStringLiteral("1") << QStringLiteral("mouseup") << QStringLiteral("1"));
    const int steps = maxSendTime->text().toInt() - 42;
    EXPECT_GE(steps, 2) << maxSendTime->text().toStdString();
    EXPECT_LE(steps, 20) << maxSendTime->text().toStdString();
    std::cout << "steps while held for 1 s: " << steps << std::endl;
    keep(QStringLiteral("held-up-arrow"));

    // Typing the device's value back leaves no field marked.
    click(maxSendTime, maxSendTime->rect().center());
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    type(demo.points.cp(MaxSendTime).value.section(QLatin1Char(','), 0, 0));
    EXPECT_FALSE(change_marker::isMarked(maxSendTime));
    EXPECT_FALSE(c().cmdApply->isEnabled());
}

} // namespace

int main(int argc, char** argv)
{
    // The platform comes from the environment: xcb on the test's X server.
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
