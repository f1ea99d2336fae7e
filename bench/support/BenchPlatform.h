#pragma once

#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "host/AppContext.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/LonWorksHome.h"
#include "host/MessageCatalogue.h"
#include "host/ProgressDisplay.h"
#include "host/ResourceDirSpec.h"
#include "host/UnattendedUi.h"
#include "host/object_server/ObjectServer.h"
#include "lns/PlatformAdmin.h"
#include "lns/SimObjectServer.h"
#include "registry/SqliteRegistryStore.h"

#include <QTemporaryDir>
#include <memory>

// The CPs a synchronising transfer writes.
constexpr int syncedCps()
{
    int count = 0;
    for (const point_catalogue::CpDefinition& definition : point_catalogue::CpDefinitions)
        count += definition.syncable ? 1 : 0;
    return count;
}

// The least time what the channels carried between two readings of their counters takes: each
// channel's floor (its packets' time and a latency per transaction), their sum (the floor of work
// done one transaction after another) and the busiest one's (the floor of channels used at once).
struct ChannelFloors
{
    qint64 sumNs = 0;
    qint64 busiestNs = 0;

    static ChannelFloors between(const QList<lnssim::PlatformAdmin::Channel>& before,
                                 const QList<lnssim::PlatformAdmin::Channel>& after);
    double sumSeconds() const { return static_cast<double>(sumNs) / 1e9; }
    double busiestSeconds() const { return static_cast<double>(busiestNs) / 1e9; }
};

// The busy windows cost nothing here; what is measured is the plug-in's own work.
class SilentProgress final : public ProgressDisplay
{
public:
    void showProgress(bool) override { m_visible = true; }
    void setStatus(const QString& text) override { m_status = text; }
    QString status() const override { return m_status; }
    bool progressVisible() const override { return m_visible; }
    void closeProgress() override { m_visible = false; }
    void showSplash() override {}
    bool splashVisible() const override { return false; }
    void closeSplash() override {}
    void setSearchVisible(bool) override {}
    void setSearchRange(int) override {}
    void setSearchValue(int) override {}
    void setSearchText(const QString&) override {}

private:
    QString m_status;
    bool m_visible = false;
};

// A private LonWorks home for the run.
struct BenchHome
{
    BenchHome();
    QString path() const { return dir.path(); }
    QTemporaryDir dir;
};

// The demo network with a channel of the given time per transaction, opened as a director
// opens it, and everything a plug-in procedure needs, with boxes answered unattended.
struct BenchPlatform
{
    static inline const QString Network = QStringLiteral("Demo");

    explicit BenchPlatform(int transactionMs);

    std::shared_ptr<lns::AppDevice> device(const QString& subsystem, const QString& name) const;

    BenchHome home;
    lnssim::PlatformAdmin admin{home.path()};
    bool demoCreated;
    SqliteRegistryStore registry;
    std::unique_ptr<lns::ObjectServer> server;
    UnattendedUi ui;
    SilentProgress progress;
    MessageCatalogue catalogue{registry};
    ConnectionState connection;
    CommandTable commands;
    FrameworkSettings settings;
    PointTables points;
    ResourceDirSpec resourceDir;
    AppContext context{
        registry,  *server,
        ui,        progress,
        catalogue, connection,
        commands,  settings,
        points,    resourceDir,
        [] {},     [this] { return lnssim::createObjectServer(home.path(), lonworks_home::registryFile()); }};
};
