#include "lns/db/SqliteQuery.h"

#include "lns/db/SqliteConnection.h"

#include <sqlite3.h>

namespace lnssim {

SqliteQuery::SqliteQuery(SqliteConnection& connection, const char* sql)
    : m_connection(connection), m_statement(connection.acquire(sql, m_cached))
{
}

SqliteQuery::~SqliteQuery()
{
    m_connection.release(m_statement, m_cached);
}

SqliteQuery& SqliteQuery::bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteQuery& SqliteQuery::bind(int index, qint64 number)
{
    sqlite3_bind_int64(m_statement, index, number);
    return *this;
}

SqliteQuery& SqliteQuery::bind(int index, double number)
{
    sqlite3_bind_double(m_statement, index, number);
    return *this;
}

SqliteQuery& SqliteQuery::bindNull(int index)
{
    sqlite3_bind_null(m_statement, index);
    return *this;
}

bool SqliteQuery::next()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    m_connection.fail(QStringLiteral("while running a query"));
}

void SqliteQuery::run()
{
    while (next()) {
    }
}

QString SqliteQuery::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column)) : QString();
}

qint64 SqliteQuery::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteQuery::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

bool SqliteQuery::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

} // namespace lnssim
