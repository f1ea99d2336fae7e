#include "registry/SqliteRegistryStore.h"

#include "registry/RegistryStatement.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

// Long enough for another process to finish a write, short enough not to hang the window.
constexpr int BusyTimeoutMs = 5000;

QStringList components(const QString& key)
{
    return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// Names are compared case-insensitively through their folded form; the original is kept for display.
QString folded(const QString& name)
{
    return name.toCaseFolded();
}

QString foldedPath(const QStringList& parts, qsizetype count)
{
    QStringList result;
    for (qsizetype i = 0; i < count; ++i)
        result.append(folded(parts.at(i)));
    return result.join(QLatin1Char('\\'));
}

qint64 hiveNumber(RegistryStore::Hive hive)
{
    return hive == RegistryStore::Hive::LocalMachine ? 0 : 1;
}

const char* const SchemaStatements[] = {
    "CREATE TABLE IF NOT EXISTS registry_keys("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " hive INTEGER NOT NULL,"
    " parent INTEGER NOT NULL,"
    " path TEXT NOT NULL,"
    " name TEXT NOT NULL,"
    " UNIQUE(hive, path))",
    "CREATE INDEX IF NOT EXISTS registry_keys_parent ON registry_keys(hive, parent)",
    "CREATE TABLE IF NOT EXISTS registry_values("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " key_id INTEGER NOT NULL,"
    " folded TEXT NOT NULL,"
    " name TEXT NOT NULL,"
    " data TEXT NOT NULL,"
    " UNIQUE(key_id, folded))",
};

} // namespace

SqliteRegistryStore::SqliteRegistryStore(const QString& filePath) : m_filePath(filePath)
{
    if (!open()) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

SqliteRegistryStore::~SqliteRegistryStore()
{
    sqlite3_close(m_db);
}

bool SqliteRegistryStore::open()
{
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder)) {
        recordFailure(QStringLiteral("cannot create the folder \"%1\"").arg(folder));
        return false;
    }
    if (sqlite3_open_v2(m_filePath.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        recordFailure(
            QStringLiteral("cannot be opened: %1")
                .arg(m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory")));
        return false;
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);

    const QString what = QStringLiteral("cannot be opened");
    {
        // The first statement reads the file header, so a file that is no database fails here.
        RegistryStatement journal(m_db, "PRAGMA journal_mode=WAL");
        journal.step();
        // Another process switching the journal at this moment only costs concurrency, not data.
        if (journal.failed() && sqlite3_errcode(m_db) != SQLITE_BUSY)
            return sqlFailure(what);
    }
    return inWriteTransaction(what, [&] {
        for (const char* sql : SchemaStatements) {
            if (!execute(sql))
                return sqlFailure(what);
        }
        return true;
    });
}

bool SqliteRegistryStore::execute(const char* sql)
{
    RegistryStatement statement(m_db, sql);
    return statement.run();
}

void SqliteRegistryStore::recordFailure(const QString& cause) const
{
    m_lastError = QStringLiteral("Registry store \"%1\" %2").arg(m_filePath, cause);
}

bool SqliteRegistryStore::sqlFailure(const QString& what) const
{
    recordFailure(QStringLiteral("%1: %2").arg(what, QString::fromUtf8(sqlite3_errmsg(m_db))));
    return false;
}

bool SqliteRegistryStore::inWriteTransaction(const QString& what, const std::function<bool()>& body)
{
    if (!m_db)
        return false;
    // IMMEDIATE takes the write lock up front, so a concurrent writer waits in the busy
    // handler instead of failing when a read lock would have to be upgraded.
    if (!execute("BEGIN IMMEDIATE")) {
        sqlFailure(what);
        return false;
    }
    if (!body()) {
        execute("ROLLBACK");
        return false;
    }
    if (!execute("COMMIT")) {
        sqlFailure(what);
        execute("ROLLBACK");
        return false;
    }
    return true;
}

QString SqliteRegistryStore::lastError() const
{
    return m_lastError;
}

std::optional<qint64> SqliteRegistryStore::findKey(Hive hive, const QStringList& parts) const
{
    if (!m_db)
        return std::nullopt;
    if (parts.isEmpty())
        return 0;
    RegistryStatement statement(m_db, "SELECT id FROM registry_keys WHERE hive = ?1 AND path = ?2");
    statement.bind(1, hiveNumber(hive));
    statement.bind(2, foldedPath(parts, parts.size()));
    if (statement.step())
        return statement.number(0);
    if (statement.failed())
        sqlFailure(QStringLiteral("cannot be read"));
    return std::nullopt;
}

std::optional<qint64> SqliteRegistryStore::ensureKey(Hive hive, const QStringList& parts)
{
    qint64 parent = 0;
    for (qsizetype depth = 1; depth <= parts.size(); ++depth) {
        const QString path = foldedPath(parts, depth);
        RegistryStatement insert(m_db, "INSERT OR IGNORE INTO registry_keys(hive, parent, path, name)"
                                       " VALUES(?1, ?2, ?3, ?4)");
        insert.bind(1, hiveNumber(hive));
        insert.bind(2, parent);
        insert.bind(3, path);
        insert.bind(4, parts.at(depth - 1));
        if (!insert.run()) {
            sqlFailure(QStringLiteral("cannot create the key \"%1\"").arg(parts.join(QLatin1Char('\\'))));
            return std::nullopt;
        }
        RegistryStatement select(m_db, "SELECT id FROM registry_keys WHERE hive = ?1 AND path = ?2");
        select.bind(1, hiveNumber(hive));
        select.bind(2, path);
        if (!select.step()) {
            sqlFailure(QStringLiteral("cannot create the key \"%1\"").arg(parts.join(QLatin1Char('\\'))));
            return std::nullopt;
        }
        parent = select.number(0);
    }
    return parent;
}

bool SqliteRegistryStore::keyExists(Hive hive, const QString& key) const
{
    return findKey(hive, components(key)).has_value();
}

bool SqliteRegistryStore::createKey(Hive hive, const QString& key)
{
    const QStringList parts = components(key);
    return inWriteTransaction(QStringLiteral("cannot create the key \"%1\"").arg(key),
                              [&] { return ensureKey(hive, parts).has_value(); });
}

std::optional<QString> SqliteRegistryStore::readValue(Hive hive, const QString& key,
                                                      const QString& name) const
{
    const QStringList parts = components(key);
    if (!m_db || parts.isEmpty())
        return std::nullopt;
    RegistryStatement statement(m_db, "SELECT v.data FROM registry_values v"
                                      " JOIN registry_keys k ON k.id = v.key_id"
                                      " WHERE k.hive = ?1 AND k.path = ?2 AND v.folded = ?3");
    statement.bind(1, hiveNumber(hive));
    statement.bind(2, foldedPath(parts, parts.size()));
    statement.bind(3, folded(name));
    if (statement.step())
        return statement.text(0);
    if (statement.failed())
        sqlFailure(QStringLiteral("cannot be read"));
    return std::nullopt;
}

bool SqliteRegistryStore::writeValue(Hive hive, const QString& key, const QString& name, const QString& value)
{
    const QStringList parts = components(key);
    // The hive itself holds no values.
    if (!m_db || parts.isEmpty())
        return false;
    const QString what = QStringLiteral("cannot write the value \"%1\" of \"%2\"").arg(name, key);
    return inWriteTransaction(what, [&] {
        const std::optional<qint64> keyId = ensureKey(hive, parts);
        if (!keyId)
            return false;
        RegistryStatement upsert(m_db, "INSERT INTO registry_values(key_id, folded, name, data)"
                                       " VALUES(?1, ?2, ?3, ?4)"
                                       " ON CONFLICT(key_id, folded) DO UPDATE SET data = excluded.data");
        upsert.bind(1, *keyId);
        upsert.bind(2, folded(name));
        upsert.bind(3, name);
        upsert.bind(4, value);
        return upsert.run() || sqlFailure(what);
    });
}

bool SqliteRegistryStore::deleteValue(Hive hive, const QString& key, const QString& name)
{
    const QStringList parts = components(key);
    if (!m_db || parts.isEmpty())
        return false;
    RegistryStatement statement(m_db, "DELETE FROM registry_values WHERE folded = ?3 AND key_id ="
                                      " (SELECT id FROM registry_keys WHERE hive = ?1 AND path = ?2)");
    statement.bind(1, hiveNumber(hive));
    statement.bind(2, foldedPath(parts, parts.size()));
    statement.bind(3, folded(name));
    if (!statement.run())
        return sqlFailure(QStringLiteral("cannot delete the value \"%1\" of \"%2\"").arg(name, key));
    return sqlite3_changes(m_db) > 0;
}

bool SqliteRegistryStore::deleteKey(Hive hive, const QString& key)
{
    const QStringList parts = components(key);
    // The hive itself is never deleted.
    if (!m_db || parts.isEmpty())
        return false;
    const QString what = QStringLiteral("cannot delete the key \"%1\"").arg(key);
    return inWriteTransaction(what, [&] {
        RegistryStatement find(m_db, "SELECT id FROM registry_keys WHERE hive = ?1 AND path = ?2");
        find.bind(1, hiveNumber(hive));
        find.bind(2, foldedPath(parts, parts.size()));
        if (!find.step())
            return find.failed() && sqlFailure(what);
        const qint64 id = find.number(0);
        RegistryStatement children(m_db,
                                   "SELECT 1 FROM registry_keys WHERE hive = ?1 AND parent = ?2 LIMIT 1");
        children.bind(1, hiveNumber(hive));
        children.bind(2, id);
        if (children.step())
            return false;
        if (children.failed())
            return sqlFailure(what);
        RegistryStatement values(m_db, "DELETE FROM registry_values WHERE key_id = ?1");
        values.bind(1, id);
        RegistryStatement self(m_db, "DELETE FROM registry_keys WHERE id = ?1");
        self.bind(1, id);
        return (values.run() && self.run()) || sqlFailure(what);
    });
}

QStringList SqliteRegistryStore::subkeys(Hive hive, const QString& key) const
{
    const std::optional<qint64> id = findKey(hive, components(key));
    if (!id)
        return {};
    RegistryStatement statement(m_db,
                                "SELECT name FROM registry_keys WHERE hive = ?1 AND parent = ?2 ORDER BY id");
    statement.bind(1, hiveNumber(hive));
    statement.bind(2, *id);
    QStringList names;
    while (statement.step())
        names.append(statement.text(0));
    if (statement.failed()) {
        sqlFailure(QStringLiteral("cannot be read"));
        return {};
    }
    return names;
}

QStringList SqliteRegistryStore::valueNames(Hive hive, const QString& key) const
{
    const QStringList parts = components(key);
    if (parts.isEmpty())
        return {};
    const std::optional<qint64> id = findKey(hive, parts);
    if (!id)
        return {};
    RegistryStatement statement(m_db, "SELECT name FROM registry_values WHERE key_id = ?1 ORDER BY id");
    statement.bind(1, *id);
    QStringList names;
    while (statement.step())
        names.append(statement.text(0));
    if (statement.failed()) {
        sqlFailure(QStringLiteral("cannot be read"));
        return {};
    }
    return names;
}
