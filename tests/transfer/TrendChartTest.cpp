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
#include <gtest/gtest.h>

namespace {

const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Rou2 = QStringLiteral("F1/ROU_2");
constexpr qint64 T0 = 1'800'000'000'000;

// The main window on ROU_1 with monitoring on, the trend on a clock the test sets.
class TrendChartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window->show();
        demo.open(*window, Rou1);
        trend = window->findChild<MonitoringTrend*>();
        ASSERT_NE(trend, nullptr);
        trend->setClock([this] { return now; });
    }

    // Monitoring reports an output's value `seconds` after T0.
    void update(int output, const QString& value, int seconds)
    {
        now = T0 + seconds * 1000;
        emit demo.objectServer->nvUpdate(200 + output, value, nullptr);
    }

    QList<QPointF> polls(const QString& name) const
    {
        for (QAbstractSeries* series : chart()->chart()->series())
            if (series->objectName() == name + QStringLiteral(" polls"))
                return static_cast<QScatterSeries*>(series)->points();
        ADD_FAILURE() << "no poll points of " << name.toStdString();
        return {};
    }

    static QPointF at(int seconds, double value)
    {
        return QPointF(static_cast<double>(T0 + seconds * 1000), value);
    }
    TrendChart* chart() const { return window->controls().trendChart; }
    MainControls& c() const { return window->controls(); }

    DemoSession demo{QStringLiteral("english"), QStringLiteral(",")};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
    MonitoringTrend* trend = nullptr;
    qint64 now = T0;
    QTemporaryDir dir;
};

} // namespace

TEST_F(TrendChartTest, ShowsThePolledOutputsWhileMonitoringIsOn)
{
    ASSERT_FALSE(chart()->isHidden());
    update(18, QStringLiteral("21,50"), 1);
    update(19, QStringLiteral("22,00"), 2);
    update(21, QStringLiteral("66,5 1"), 3);
    // Occupancy is shown in its box but has no place in the trend.
    update(22, QStringLiteral("OC_OCCUPIED"), 4);
    EXPECT_TRUE(polls(QStringLiteral("nvoSpaceTemp")).contains(at(1, 21.5)));
    EXPECT_TRUE(polls(QStringLiteral("nvoSetptEffect")).contains(at(2, 22.0)));
    EXPECT_TRUE(polls(QStringLiteral("nvoFanSpeed")).contains(at(3, 66.5)));

    c().chkMonitor->click();
    EXPECT_TRUE(chart()->isHidden());
    // Nothing monitoring did not show while it was off.
    update(18, QStringLiteral("30,00"), 5);
    c().chkMonitor->click();
    EXPECT_FALSE(chart()->isHidden());
    EXPECT_FALSE(polls(QStringLiteral("nvoSpaceTemp")).contains(at(5, 30.0)));
    EXPECT_TRUE(polls(QStringLiteral("nvoSpaceTemp")).contains(at(1, 21.5)));

    demo.open(*window, Rou2);
    EXPECT_FALSE(polls(QStringLiteral("nvoSpaceTemp")).contains(at(1, 21.5)))
        << "another device starts its own trend";
}

TEST_F(TrendChartTest, SaveAsCsvWritesTheSeriesOrSaysWhyNot)
{
    update(18, QStringLiteral("21,50"), 1);
    const QString path = dir.filePath(QStringLiteral("trend.csv"));
    demo.ui.queueFileName(path);
    chart()->saveButton()->click();
    ASSERT_EQ(demo.ui.fileDialogs().size(), 1);
    EXPECT_EQ(demo.ui.fileDialogs().front().kind, FakeUi::DialogKind::Save);
    EXPECT_TRUE(demo.ui.fileDialogs().front().dialog.confirmOverwrite);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("time,nv,value\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(",nvoSpaceTemp,21.5\r\n")) << text.toStdString();
    EXPECT_EQ(c().echLog->entries().back().text, QStringLiteral("Trend saved to ") + path);

    // A folder that does not exist: the box says so and the log claims nothing.
    const qsizetype logged = c().echLog->entries().size();
    const QString nowhere = dir.filePath(QStringLiteral("missing/trend.csv"));
    demo.ui.setRelaxed(Ui::Answer::Ok);
    demo.ui.queueFileName(nowhere);
    chart()->saveButton()->click();
    ASSERT_EQ(demo.ui.messages().size(), 1);
    EXPECT_TRUE(demo.ui.messages().front().text.startsWith(
        QStringLiteral("The trend could not be saved to ") + nowhere + QStringLiteral(": ")));
    EXPECT_EQ(demo.ui.messages().front().icon, Ui::Icon::Critical);
    EXPECT_EQ(c().echLog->entries().size(), logged);
    EXPECT_FALSE(QFile::exists(nowhere));

    // Cancelled: nothing asked, nothing written.
    demo.ui.queueFileName(QString());
    chart()->saveButton()->click();
    EXPECT_EQ(demo.ui.messages().size(), 1);
}
