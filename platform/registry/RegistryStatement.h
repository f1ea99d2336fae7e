#pragma once

#include <QString>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement of the registry store; finalised when it goes out of scope.
// Parameters are bound by position (1-based), so user text never becomes part of the SQL.
class RegistryStatement final
{
public:
    RegistryStatement(sqlite3* db, const char* sql);
    ~RegistryStatement();
    RegistryStatement(const RegistryStatement&) = delete;
    RegistryStatement& operator=(const RegistryStatement&) = delete;

    bool isValid() const { return m_statement != nullptr; }

    void bind(int index, const QString& text);
    void bind(int index, qint64 number);
    void bindNull(int index);

    // Advances to the next row: true while a row is available. An error leaves failed() set.
    bool step();
    // Runs a statement that returns no rows; true when it completed without error.
    bool run();
    bool failed() const { return m_failed; }

    QString text(int column) const;
    qint64 number(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
};
