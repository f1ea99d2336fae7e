#pragma once

#include <QString>
#include <string>
#include <unordered_map>
#include <unordered_set>

struct sqlite3;
struct sqlite3_stmt;

namespace lnssim {

// One connection to a network database file. Several processes may use the file at once:
// WAL journal, a busy timeout, and write transactions that take the write lock up front.
// Every failure throws lns::Error (Database) naming the file and SQLite's message.
class SqliteConnection final
{
public:
    explicit SqliteConnection(const QString& filePath);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    const QString& filePath() const { return m_filePath; }
    // Runs SQL without parameters (several statements allowed).
    void execute(const char* sql);
    qint64 lastInsertId() const;
    int changes() const;
    bool inTransaction() const;

    [[noreturn]] void fail(const QString& context) const;

private:
    friend class SqliteQuery;

    // Prepared statements are kept for reuse; a statement already in use gets a fresh copy.
    sqlite3_stmt* acquire(const char* sql, bool& cached);
    void release(sqlite3_stmt* statement, bool cached);

    QString m_filePath;
    sqlite3* m_db = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> m_cache;
    std::unordered_set<sqlite3_stmt*> m_inUse;
};

} // namespace lnssim
