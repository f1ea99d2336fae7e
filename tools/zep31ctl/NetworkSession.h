#pragma once

#include "device/point_catalogue/PointTables.h"
#include "files/ParameterSet.h"
#include "host/MessageCatalogue.h"
#include "host/object_server/ObjectServer.h"
#include "registry/SqliteRegistryStore.h"

#include <QList>
#include <QString>
#include <memory>

// One network of the LonWorks home, opened as a director opens it, with what the core
// procedures need: the catalogue in the registered language, the user's decimal separator
// and the point tables. Throws CommandFailure when the network cannot be opened.
class NetworkSession final
{
public:
    // A device with the subsystem it is listed in.
    struct Device
    {
        std::shared_ptr<lns::AppDevice> device;
        QString subsystem;
    };

    explicit NetworkSession(const QString& network);
    ~NetworkSession();
    NetworkSession(const NetworkSession&) = delete;
    NetworkSession& operator=(const NetworkSession&) = delete;

    // "SUBSYSTEM/DEVICE", or a device name that only one subsystem holds. Throws CommandFailure.
    Device device(const QString& reference) const;
    // Every device of the network by subsystem.
    QList<Device> devices() const;
    // The devices of one program ID, each once. Throws CommandFailure when there are none.
    QList<Device> devicesOf(const QString& programId) const;

    // The state text the window shows for a device ("Cnfg Online", "Offnet", ...).
    QString stateText(const lns::AppDevice& device) const;
    bool online(const lns::AppDevice& device) const { return stateText(device) == onlineText(); }

    // Reads the NVs (when online) and CPs of a device into the point tables and gives the CP
    // values; the transfer's silent retries per call, then the device's reading fails (CommandFailure).
    ParameterSet read(const Device& device);
    // The same for the CPs alone, with no NV read: what a backup and a comparison need.
    ParameterSet readCps(const Device& device);

    // The name the network was opened by.
    const QString& network() const { return m_networkName; }
    // The open system; the transfer asks it whether the network is off-net.
    std::shared_ptr<const lns::System> system() const { return m_system; }

    const QString& decimalSeparator() const { return m_decimalSeparator; }
    PointTables& points() { return m_points; }
    const MessageCatalogue& catalogue() const { return m_catalogue; }

private:
    static const QString& onlineText();

    QString m_networkName;
    SqliteRegistryStore m_registry;
    std::unique_ptr<lns::ObjectServer> m_server;
    std::shared_ptr<lns::Network> m_network;
    std::shared_ptr<lns::System> m_system;
    MessageCatalogue m_catalogue;
    QString m_decimalSeparator;
    PointTables m_points;
};
