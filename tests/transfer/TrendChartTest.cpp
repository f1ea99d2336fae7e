#include "transfer/ui/TrendChart.h"

#include "device/ui/MainWindow.h"
#include "host/Log.h"
#include "support/DemoSession.h"
#include "transfer/ui/MonitoringTrend.h"

#include <QChart>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr qint64 T0 = 1'800'000'000'000;
// Only keeps a broken build from hanging; it measures nothing.
constexpr int EventTimeoutMs = 10000;

// The main window on ROU_1 with monitoring on; the trend's clock and reports are the test's.
class TrendChartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The unit answers no poll, so only the test's reports reach the trend.
        demo.admin.failNext(DemoSession::Network, QStringLiteral("F1/ROU_1"),
                            lnssim::PlatformAdmin::Operation::Poll, 1'000'000);
        window.show();
        demo.open(window, QStringLiteral("F1/ROU_1"));
        window.findChild<MonitoringTrend*>()->setClock([this] { return now; });
    }

    // Monitoring shows an output's value `seconds` after T0.
    void update(int output, const char* value, int seconds)
    {
        now = T0 + seconds * 1000;
        emit demo.objectServer->nvUpdate(200 + output, QString::fromLatin1(value), nullptr);
    }

    bool polled(const char* name, int seconds, double value)
    {
        for (QAbstractSeries* series : chart()->chart()->series())
            if (series->objectName() == QLatin1String(name) + QStringLiteral(" polls"))
                return static_cast<QScatterSeries*>(series)->points().contains(
                    QPointF(static_cast<double>(T0 + seconds * 1000), value));
        return false;
    }

    TrendChart* chart() { return window.controls().trendChart; }

    DemoSession demo{QStringLiteral("english"), QStringLiteral(",")};
    MainWindow window{demo.context};
    qint64 now = T0;
};

} // namespace

TEST_F(TrendChartTest, ShowsWhatMonitoringShowsWhileItIsOnForTheOpenDevice)
{
    ASSERT_FALSE(chart()->isHidden());
    update(18, "21,50", 1);
    update(21, "66,5 1", 2);
    // Drawn within a second, however many samples came.
    EXPECT_TRUE(QTest::qWaitFor([this] { return polled("nvoSpaceTemp", 1, 21.5); }, EventTimeoutMs));
    EXPECT_TRUE(polled("nvoFanSpeed", 2, 66.5));

    QCheckBox* monitor = window.controls().chkMonitor;
    monitor->click();
    EXPECT_TRUE(chart()->isHidden());
    update(18, "30,00", 3);
    monitor->click();
    EXPECT_FALSE(chart()->isHidden());
    EXPECT_FALSE(polled("nvoSpaceTemp", 3, 30.0)) << "nothing is kept while monitoring is off";
    EXPECT_TRUE(polled("nvoSpaceTemp", 1, 21.5));

    demo.open(window, QStringLiteral("F1/ROU_2"));
    EXPECT_FALSE(polled("nvoSpaceTemp", 1, 21.5)) << "another device starts its own trend";
}

TEST_F(TrendChartTest, SaveAsCsvWritesTheSeriesOrSaysWhyNot)
{
    update(18, "21,50", 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trend.csv"));
    const QString nowhere = dir.filePath(QStringLiteral("missing/trend.csv"));
    demo.ui.setRelaxed(UiServices::Answer::Ok);
    for (const QString& chosen : {path, nowhere, QString()}) {
        demo.ui.queueFileName(chosen);
        chart()->saveButton()->click();
    }
    ASSERT_EQ(demo.ui.fileDialogs().size(), 3);
    EXPECT_TRUE(demo.ui.fileDialogs().front().dialog.confirmOverwrite);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("time,nv,value\r\n") && text.contains(",nvoSpaceTemp,21.5\r\n"))
        << text.toStdString();

    // Saved once: the log says so once; the folder that does not exist gets a box and no file; a
    // cancelled dialog neither.
    const QList<Log::Entry>& log = window.controls().echLog->entries();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const Log::Entry& entry) {
                                return entry.text.startsWith(QStringLiteral("Trend saved"));
                            }),
              1);
    EXPECT_EQ(log.back().text, QStringLiteral("Trend saved to ") + path);
    ASSERT_EQ(demo.ui.messages().size(), 1);
    EXPECT_TRUE(demo.ui.messages().front().text.startsWith(
        QStringLiteral("The trend could not be saved to ") + nowhere));
    EXPECT_EQ(demo.ui.messages().front().icon, UiServices::Icon::Critical);
    EXPECT_FALSE(QFile::exists(nowhere));
}
