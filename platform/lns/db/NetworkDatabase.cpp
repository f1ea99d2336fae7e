#include "lns/db/NetworkDatabase.h"

#include "host/object_server/Error.h"
#include "lns/db/ChannelStore.h"
#include "lns/db/SqliteQuery.h"
#include "lns/db/SqliteTransaction.h"

#include <QDir>

namespace lnssim {

namespace {

// Names compare case-insensitively, as the object server's collections do. Row ids are never
// reused, so an object of a removed row can never address a newer one. A new database is made
// as the first version was and then updated like an old one, so both end the same.
constexpr const char* FirstSchema = R"sql(
CREATE TABLE network_interfaces(
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE COLLATE NOCASE);
CREATE TABLE networks(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL UNIQUE COLLATE NOCASE,
    transaction_ms INTEGER NOT NULL DEFAULT 0);
CREATE TABLE systems(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    network_id INTEGER NOT NULL REFERENCES networks(id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    mode INTEGER NOT NULL DEFAULT 0,
    option1 INTEGER NOT NULL DEFAULT 0,
    option2 INTEGER NOT NULL DEFAULT 0,
    numeric_option INTEGER NOT NULL DEFAULT 0);
CREATE TABLE subsystems(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    system_id INTEGER NOT NULL REFERENCES systems(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    path TEXT NOT NULL,
    UNIQUE(system_id, name));
CREATE TABLE templates(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    system_id INTEGER NOT NULL REFERENCES systems(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    kind INTEGER NOT NULL,
    program_id TEXT,
    interface TEXT NOT NULL DEFAULT '',
    revision INTEGER NOT NULL DEFAULT 0,
    UNIQUE(system_id, name),
    UNIQUE(system_id, program_id));
CREATE TABLE template_block_scopes(
    template_id INTEGER NOT NULL REFERENCES templates(id) ON DELETE CASCADE,
    block INTEGER NOT NULL,
    scope INTEGER NOT NULL,
    PRIMARY KEY(template_id, block)) WITHOUT ROWID;
CREATE TABLE devices(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    system_id INTEGER NOT NULL REFERENCES systems(id) ON DELETE CASCADE,
    template_id INTEGER NOT NULL REFERENCES templates(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    neuron_id TEXT UNIQUE,
    state INTEGER NOT NULL,
    commissioned INTEGER NOT NULL,
    test_flag INTEGER NOT NULL DEFAULT 0,
    unreachable INTEGER NOT NULL DEFAULT 0,
    failure_rate REAL NOT NULL DEFAULT 0);
CREATE INDEX devices_by_template ON devices(template_id, id);
CREATE INDEX devices_by_name ON devices(name, template_id);
CREATE TABLE device_subsystems(
    subsystem_id INTEGER NOT NULL REFERENCES subsystems(id) ON DELETE CASCADE,
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE,
    PRIMARY KEY(subsystem_id, device_id)) WITHOUT ROWID;
CREATE INDEX device_subsystems_by_device ON device_subsystems(device_id, subsystem_id);
CREATE TABLE device_block_scopes(
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE,
    block INTEGER NOT NULL,
    scope INTEGER NOT NULL,
    PRIMARY KEY(device_id, block)) WITHOUT ROWID;
CREATE TABLE nv_values(
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE,
    nv_index INTEGER NOT NULL,
    value TEXT NOT NULL,
    PRIMARY KEY(device_id, nv_index)) WITHOUT ROWID;
CREATE TABLE cp_values(
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE,
    owner_kind INTEGER NOT NULL,
    owner_index INTEGER NOT NULL,
    scope INTEGER NOT NULL,
    type_index INTEGER NOT NULL,
    element INTEGER NOT NULL,
    value TEXT NOT NULL,
    PRIMARY KEY(device_id, owner_kind, owner_index, scope, type_index, element)) WITHOUT ROWID;
CREATE TABLE faults(
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE,
    operation TEXT NOT NULL,
    remaining INTEGER NOT NULL,
    PRIMARY KEY(device_id, operation)) WITHOUT ROWID;
CREATE TABLE component_apps(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    level INTEGER NOT NULL,
    system_id INTEGER REFERENCES systems(id) ON DELETE CASCADE,
    template_id INTEGER REFERENCES templates(id) ON DELETE CASCADE,
    block INTEGER NOT NULL DEFAULT -1,
    name TEXT NOT NULL COLLATE NOCASE,
    prog_id TEXT NOT NULL,
    object_class INTEGER NOT NULL,
    command_id INTEGER NOT NULL DEFAULT 0,
    description TEXT NOT NULL DEFAULT '',
    version TEXT NOT NULL DEFAULT '',
    manufacturer_id TEXT NOT NULL DEFAULT '',
    is_default INTEGER NOT NULL DEFAULT 0);
CREATE INDEX component_apps_by_owner ON component_apps(level, system_id, template_id, block, id);
)sql";

// Version 2: channels, each device on one of them.
constexpr const char* Channels = R"sql(
CREATE TABLE channels(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    network_id INTEGER NOT NULL REFERENCES networks(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL,
    slot INTEGER NOT NULL UNIQUE,
    UNIQUE(network_id, name));
ALTER TABLE devices ADD COLUMN channel_id INTEGER REFERENCES channels(id);
CREATE INDEX devices_by_channel ON devices(channel_id);
)sql";

} // namespace

NetworkDatabase::NetworkDatabase(const QString& lonWorksHome) : m_connection(preparedFilePath(lonWorksHome))
{
    ensureSchema();
}

QString NetworkDatabase::preparedFilePath(const QString& lonWorksHome)
{
    QDir().mkpath(QDir(lonWorksHome).filePath(QStringLiteral("lns")));
    return filePath(lonWorksHome);
}

QString NetworkDatabase::filePath(const QString& lonWorksHome)
{
    return QDir(lonWorksHome).filePath(QStringLiteral("lns/networks.sqlite"));
}

void NetworkDatabase::ensureSchema()
{
    const auto version = [this] {
        SqliteQuery query(m_connection, "PRAGMA user_version");
        query.next();
        return query.integer(0);
    };
    if (version() == SchemaVersion)
        return;
    SqliteTransaction transaction(m_connection);
    // Another process may have created the schema while this one waited for the lock.
    const qint64 found = version();
    if (found == SchemaVersion)
        return;
    if (found < 0 || found > SchemaVersion)
        throw lns::Error(lns::errors::Database,
                         QStringLiteral("The network database %1 has schema version %2; this program knows "
                                        "versions up to %3 only")
                             .arg(m_connection.filePath())
                             .arg(found)
                             .arg(SchemaVersion));
    // Each step in the one transaction: a file that cannot be updated is left as it was.
    if (found == 0)
        m_connection.execute(FirstSchema);
    if (found < 2) {
        m_connection.execute(Channels);
        ChannelStore(m_connection).addDefaultChannels();
    }
    m_connection.execute(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion).toUtf8().constData());
    transaction.commit();
}

} // namespace lnssim
