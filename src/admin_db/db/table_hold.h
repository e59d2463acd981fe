#pragma once

#include "admin_db/db/database.h"

// A window's hold on one table: taken with the first statement, released
// when the window ends.
class TableHold {
public:
    TableHold(Database &db, Table table, QString holder) : m_db(db), m_table(table), m_holder(std::move(holder)) {}

    // Throws JetError as Database::use.
    Connection &connection() { return m_db.use(m_table, m_holder); }
    // Never fails.
    void release() { m_db.release(m_table, m_holder); }

private:
    Database &m_db;
    Table m_table;
    QString m_holder;
};
