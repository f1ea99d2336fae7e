#pragma once

namespace lnssim {

class SqliteConnection;

// A write transaction that takes the write lock at once (so two processes never deadlock
// upgrading a read lock). Rolled back unless committed; inside another transaction it joins it.
class SqliteTransaction final
{
public:
    explicit SqliteTransaction(SqliteConnection& connection);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void commit();

private:
    SqliteConnection& m_connection;
    bool m_owner;
    bool m_done = false;
};

} // namespace lnssim
