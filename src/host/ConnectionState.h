#pragma once

#include "host/object_server/Network.h"
#include "host/object_server/System.h"

#include <QString>
#include <memory>

// What is open on the object server. Shared by every automation instance and the main window.
struct ConnectionState
{
    bool ServerOpen = false;
    bool NetworkOpen = false;
    QString CurrentNetworkName;
    std::shared_ptr<lns::Network> network;
    std::shared_ptr<lns::System> system;
    // Live automation instances.
    qint16 directorCount = 0;
    // The object server's remote flag as registration read it; kept for the rest of the process.
    bool RemoteClient = false;
    QString developmentProgramId;
};
