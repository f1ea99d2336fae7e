#pragma once

#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "device/support/RecordingProgress.h"
#include "host/AppContext.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/ResourceDirSpec.h"
#include "host/object_server/ObjectServer.h"
#include "lns/PlatformAdmin.h"
#include "registry/SqliteRegistryStore.h"
#include "support/FakeUi.h"
#include "support/TempLonWorksHome.h"

#include <memory>

// The demo network in a private LonWorks home, opened as a director would open it, with the
// process-wide state and scripted services a main window needs.
class DemoSession final
{
public:
    static inline const QString Network = QStringLiteral("Demo");

    // language: the plug-in's "Language" registry value; empty leaves it unset. decimalSeparator:
    // the user's "sDecimal"; empty keeps the one the platform was set up with.
    explicit DemoSession(const QString& language = QStringLiteral("english"),
                         const QString& decimalSeparator = QString());
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // "F1/ROU_1" and the like.
    std::shared_ptr<lns::AppDevice> device(const QString& path) const;
    QString value(const QString& path, const QString& point, std::optional<int> element = std::nullopt) const;

    TempLonWorksHome home;
    lnssim::PlatformAdmin admin{home.path()};
    std::unique_ptr<SqliteRegistryStore> registry;
    std::unique_ptr<lns::ObjectServer> server;
    FakeUi ui;
    RecordingProgress progress;
    std::unique_ptr<MessageCatalogue> catalogue;
    ConnectionState connection;
    CommandTable commands;
    FrameworkSettings settings;
    PointTables points;
    ResourceDirSpec resourceDir;
    int endProgramCalls = 0;
    std::unique_ptr<AppContext> context;
};
