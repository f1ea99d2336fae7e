#pragma once

#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "host/AppContext.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/LonWorksHome.h"
#include "host/MessageCatalogue.h"
#include "host/ResourceDirSpec.h"
#include "host/object_server/ObjectServer.h"
#include "lns/PlatformAdmin.h"
#include "lns/SimObjectServer.h"
#include "registry/SqliteRegistryStore.h"
#include "support/FakeUi.h"
#include "support/RecordingProgress.h"
#include "support/TempLonWorksHome.h"

#include <memory>

// Everything a plug-in procedure needs, over a private LonWorks home with the demo network,
// the simulated object server, the scripted UiServices and a recording progress display.
struct PlugInTestContext
{
    TempLonWorksHome home;
    bool demoCreated = (lnssim::PlatformAdmin(home.path()).createDemo(), true);
    SqliteRegistryStore registry{lonworks_home::registryFile()};
    std::unique_ptr<lns::ObjectServer> objectServer = lnssim::createObjectServer(home.path(), registry);
    FakeUi ui;
    RecordingProgress progress;
    MessageCatalogue catalogue{registry};
    ConnectionState connection;
    CommandTable commands;
    FrameworkSettings settings;
    PointTables points;
    ResourceDirSpec resourceDir;
    int endProgramCalls = 0;
    AppContext context{
        registry,
        *objectServer,
        ui,
        progress,
        catalogue,
        connection,
        commands,
        settings,
        points,
        resourceDir,
        [this] { ++endProgramCalls; },
        [this] { return lnssim::createObjectServer(home.path(), lonworks_home::registryFile()); }};
};
