#include "lns/db/SqliteTransaction.h"

#include "lns/db/SqliteConnection.h"

namespace lnssim {

SqliteTransaction::SqliteTransaction(SqliteConnection& connection)
    : m_connection(connection), m_owner(!connection.inTransaction())
{
    if (m_owner)
        m_connection.execute("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction()
{
    if (m_owner && !m_done && m_connection.inTransaction()) {
        try {
            m_connection.execute("ROLLBACK");
        } catch (...) {
            // The connection rolls back by itself when it is closed; nothing else to do here.
        }
    }
}

void SqliteTransaction::commit()
{
    if (m_owner)
        m_connection.execute("COMMIT");
    m_done = true;
}

} // namespace lnssim
