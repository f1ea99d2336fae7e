#include "transfer/ui/MonitoringTrend.h"

#include "device/FrameworkSettings.h"
#include "host/AppContext.h"
#include "host/AtomicFile.h"
#include "host/Log.h"
#include "host/RegistryKeys.h"
#include "host/UiServices.h"
#include "transfer/ui/TrendChart.h"
#include "ui/MainControls.h"

#include <QDateTime>
#include <QPushButton>

namespace {

// Often enough for the hour to move on visibly, seldom enough to cost nothing.
constexpr int TickMs = 10000;

} // namespace

MonitoringTrend::MonitoringTrend(AppContext& context, MainControls& controls, QObject* parent)
    : QObject(parent), m_context(context), m_controls(controls),
      m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    m_ticker.setInterval(TickMs);
    connect(&m_ticker, &QTimer::timeout, this, [this] { refresh(); });
    // The chart shows no finer detail than the trend keeps.
    m_redraw.setInterval(static_cast<int>(MonitorTrend::Spacing));
    m_redraw.setSingleShot(true);
    connect(&m_redraw, &QTimer::timeout, this, [this] { refresh(); });
    connect(m_controls.trendChart->saveButton(), &QPushButton::clicked, this, [this] { saveAsCsv(); });
}

void MonitoringTrend::outputShown(int position, const QString& value)
{
    if (m_on && m_trend.record(position, value, m_context.settings.decimalSeparator, m_clock()) &&
        !m_redraw.isActive())
        m_redraw.start();
}

void MonitoringTrend::monitoringShown(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (!on) {
        m_trend.end(m_clock());
        m_ticker.stop();
        m_redraw.stop();
        m_controls.trendChart->hide();
        return;
    }
    refresh();
    m_controls.trendChart->show();
    m_ticker.start();
}

void MonitoringTrend::deviceLeft()
{
    m_trend.clear();
    refresh();
}

void MonitoringTrend::refresh()
{
    m_redraw.stop();
    const qint64 now = m_clock();
    m_controls.trendChart->present(m_trend.series(now), now);
}

void MonitoringTrend::saveAsCsv()
{
    UiServices& ui = m_context.ui;
    UiServices::FileDialog dialog;
    dialog.title = QStringLiteral("Save as CSV");
    dialog.filter = QStringLiteral("CSV (*.csv)|*.csv");
    QString folder = m_context.settings.lonWorksPath + QStringLiteral("\\PlugIns\\Korvandel\\zep31");
    dialog.initialFolder = folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    dialog.confirmOverwrite = true;
    const QString path = ui.saveFileName(dialog);
    if (path.isEmpty())
        return;
    if (const Expected<void> written = AtomicFile::write(path, m_trend.csv(m_clock())); !written) {
        ui.message(QStringLiteral("The trend could not be saved to %1: %2").arg(path, written.error()),
                   registry_keys::ProductKey, UiServices::Icon::Critical);
        return;
    }
    m_controls.echLog->addInformation(QStringLiteral("Trend saved to ") + path);
}
