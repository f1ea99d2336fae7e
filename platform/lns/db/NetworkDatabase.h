#pragma once

#include "lns/db/SqliteConnection.h"

#include <QString>

namespace lnssim {

// The object server's database: one SQLite file, $LONWORKS_HOME/lns/networks.sqlite, holding
// every network with its system, subsystems, channels, templates, devices, values, faults and
// channel timing, the component applications of all levels and the network interfaces. The
// schema carries a version number; an older file is updated in place, a file written by a
// newer version is refused.
class NetworkDatabase final
{
public:
    static constexpr int SchemaVersion = 2;

    // Opens (and creates when missing) the database of the LonWorks home.
    explicit NetworkDatabase(const QString& lonWorksHome);
    NetworkDatabase(const NetworkDatabase&) = delete;
    NetworkDatabase& operator=(const NetworkDatabase&) = delete;

    static QString filePath(const QString& lonWorksHome);

    SqliteConnection& connection() { return m_connection; }

private:
    // Creates the lns folder so the file can be created in it.
    static QString preparedFilePath(const QString& lonWorksHome);
    void ensureSchema();

    SqliteConnection m_connection;
};

} // namespace lnssim
