#include "registry/RegistryStatement.h"

#include <sqlite3.h>

RegistryStatement::RegistryStatement(sqlite3* db, const char* sql)
{
    if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        m_failed = true;
    }
}

RegistryStatement::~RegistryStatement()
{
    sqlite3_finalize(m_statement);
}

void RegistryStatement::bind(int index, const QString& text)
{
    if (!m_statement)
        return;
    const QByteArray utf8 = text.toUtf8();
    // The explicit length keeps embedded NUL characters; the readers cut at them.
    if (sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        m_failed = true;
}

void RegistryStatement::bind(int index, qint64 number)
{
    if (m_statement && sqlite3_bind_int64(m_statement, index, number) != SQLITE_OK)
        m_failed = true;
}

void RegistryStatement::bindNull(int index)
{
    if (m_statement && sqlite3_bind_null(m_statement, index) != SQLITE_OK)
        m_failed = true;
}

bool RegistryStatement::step()
{
    if (!m_statement || m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        m_failed = true;
    return false;
}

bool RegistryStatement::run()
{
    while (step()) {
    }
    return !m_failed;
}

QString RegistryStatement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return data ? QString::fromUtf8(data, size) : QString();
}

qint64 RegistryStatement::number(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}
