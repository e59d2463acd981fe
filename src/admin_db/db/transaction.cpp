#include "admin_db/db/transaction.h"

#include "admin_db/db/connection.h"
#include "admin_db/db/jet_error.h"

Transaction::Transaction(Connection &connection)
    : m_connection(connection), m_inner(connection.inTransaction())
{
    // An outer one takes the write lock at once, so a locked file fails here,
    // before any work.
    m_connection.execute(m_inner ? "SAVEPOINT inner_change" : "BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        if (m_inner)
            m_connection.execute("ROLLBACK TO inner_change");
        m_connection.execute(m_inner ? "RELEASE inner_change" : "ROLLBACK");
    } catch (const JetError &) {
        // The engine has already rolled back what failed.
    }
}

void Transaction::commit()
{
    // An outer transaction the engine ended on a failure must not turn the
    // rest into changes of their own: releasing then fails loudly.
    m_connection.execute(m_inner ? "RELEASE inner_change" : "COMMIT");
    m_open = false;
}

ReadTransaction::ReadTransaction(Connection &connection)
    : m_connection(connection), m_own(!connection.inTransaction())
{
    if (m_own)
        m_connection.execute("BEGIN DEFERRED");
}

ReadTransaction::~ReadTransaction()
{
    if (!m_own)
        return;
    try {
        m_connection.execute("COMMIT");
    } catch (const JetError &) {
        // Nothing was changed that could be lost.
    }
}
