#include "lns/db/SqliteConnection.h"

#include "host/object_server/Error.h"

#include <sqlite3.h>

namespace lnssim {

namespace {
constexpr int BusyTimeoutMs = 10000;
}

SqliteConnection::SqliteConnection(const QString& filePath) : m_filePath(filePath)
{
    const QByteArray path = filePath.toUtf8();
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const QString message =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        throw lns::Error(
            lns::errors::Database,
            QStringLiteral("The network database %1 cannot be opened: %2").arg(filePath, message));
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
    try {
        execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
    } catch (...) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw;
    }
}

SqliteConnection::~SqliteConnection()
{
    for (const auto& [sql, statement] : m_cache)
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
}

void SqliteConnection::execute(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db));
        sqlite3_free(message);
        throw lns::Error(
            lns::errors::Database,
            QStringLiteral("The network database %1 reported an error: %2").arg(m_filePath, text));
    }
}

qint64 SqliteConnection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int SqliteConnection::changes() const
{
    return sqlite3_changes(m_db);
}

bool SqliteConnection::inTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

void SqliteConnection::fail(const QString& context) const
{
    throw lns::Error(lns::errors::Database,
                     QStringLiteral("The network database %1 reported an error %2: %3")
                         .arg(m_filePath, context, QString::fromUtf8(sqlite3_errmsg(m_db))));
}

sqlite3_stmt* SqliteConnection::acquire(const char* sql, bool& cached)
{
    const auto found = m_cache.find(sql);
    if (found != m_cache.end() && !m_inUse.contains(found->second)) {
        m_inUse.insert(found->second);
        cached = true;
        return found->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
        fail(QStringLiteral("while preparing a query"));
    cached = found == m_cache.end();
    if (cached) {
        m_cache.emplace(sql, statement);
        m_inUse.insert(statement);
    }
    return statement;
}

void SqliteConnection::release(sqlite3_stmt* statement, bool cached)
{
    if (!cached) {
        sqlite3_finalize(statement);
        return;
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    m_inUse.erase(statement);
}

} // namespace lnssim
