#pragma once

class Connection;

// Many writes on one connection as one commit: a thousand birds then cost one
// flush to disk, not a thousand. Rolled back when left without commit().
// Begun inside another transaction it is part of that one: its commit keeps
// its changes for the outer one to commit or roll back, and leaving it
// without commit undoes its own changes only.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    ~Transaction();

    void commit();

private:
    Connection &m_connection;
    bool m_inner;
    bool m_open = true;
};

// Many reads on one connection as one: the engine then checks the file for
// changes once, not before every statement (each check deciphers its first
// page). Writers elsewhere wait until it ends: keep it to one piece of work,
// never across a question to the user. Inside a transaction it adds nothing.
class ReadTransaction {
public:
    // Throws JetError.
    explicit ReadTransaction(Connection &connection);
    ReadTransaction(const ReadTransaction &) = delete;
    ReadTransaction &operator=(const ReadTransaction &) = delete;
    // Never fails.
    ~ReadTransaction();

private:
    Connection &m_connection;
    bool m_own;
};
