#include "admin_db/db/transaction.h"

#include "admin_db/db/connection.h"
#include "admin_db/db/jet_error.h"

Transaction::Transaction(Connection &connection) : m_connection(connection), m_open(!connection.inTransaction())
{
    // Takes the write lock at once, so a locked file fails here, before any work.
    if (m_open)
        m_connection.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        m_connection.execute("ROLLBACK");
    } catch (const JetError &) {
        // The engine has already rolled back what failed.
    }
}

void Transaction::commit()
{
    if (!m_open)
        return;
    m_connection.execute("COMMIT");
    m_open = false;
}
