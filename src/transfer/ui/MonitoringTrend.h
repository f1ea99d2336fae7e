#pragma once

#include "transfer/MonitorTrend.h"

#include <QObject>
#include <QTimer>
#include <functional>

struct AppContext;
struct MainControls;

// The trend beside the monitored outputs: keeps what monitoring shows while it is on, shows the
// chart meanwhile, moves it along with the clock and saves the series as CSV on request.
class MonitoringTrend final : public QObject
{
    Q_OBJECT

public:
    // Milliseconds since the epoch.
    using Clock = std::function<qint64()>;

    MonitoringTrend(AppContext& context, MainControls& controls, QObject* parent);
    MonitoringTrend(const MonitoringTrend&) = delete;
    MonitoringTrend& operator=(const MonitoringTrend&) = delete;

    // An output box shows a value monitoring brought.
    void outputShown(int position, const QString& value);
    // Monitoring is shown on or off; switching off ends every line of the chart.
    void monitoringShown(bool on);
    // Another device comes: the trend starts empty.
    void deviceLeft();
    // Asks for a file and writes the last hour's series there; the log tells where it went, a box
    // why it could not.
    void saveAsCsv();

    // Tests set the time.
    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    void refresh();

    AppContext& m_context;
    MainControls& m_controls;
    MonitorTrend m_trend;
    Clock m_clock;
    // Moves the chart along while nothing changes.
    QTimer m_ticker;
    // Draws new samples at most once per spacing, however fast they come.
    QTimer m_redraw;
    bool m_on = false;
};
