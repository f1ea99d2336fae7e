#pragma once

#include <QString>

struct sqlite3_stmt;

namespace lnssim {

class SqliteConnection;

// One run of a prepared statement. Parameters are bound by position (1-based), so no text
// from a user ever becomes part of the SQL. Errors throw lns::Error (Database).
class SqliteQuery final
{
public:
    SqliteQuery(SqliteConnection& connection, const char* sql);
    ~SqliteQuery();
    SqliteQuery(const SqliteQuery&) = delete;
    SqliteQuery& operator=(const SqliteQuery&) = delete;

    SqliteQuery& bind(int index, const QString& text);
    SqliteQuery& bind(int index, qint64 number);
    SqliteQuery& bind(int index, int number) { return bind(index, static_cast<qint64>(number)); }
    SqliteQuery& bind(int index, double number);
    SqliteQuery& bindNull(int index);

    // Advances to the next row: true while a row is available.
    bool next();
    // Runs a statement that returns no rows.
    void run();

    QString text(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;

private:
    SqliteConnection& m_connection;
    // Set by the connection while it hands out the statement, so declared before it.
    bool m_cached = false;
    sqlite3_stmt* m_statement;
};

} // namespace lnssim
