#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3_stmt;

// One prepared SQL statement. Values only ever go in as bound parameters
// (positions count from 1); rows come out one at a time. Reading a field
// while no row is current is Jet error 3021. Byte texts are stored as their
// Latin-1 characters, so they compare equal to the same text typed in a window.
class Statement {
public:
    Statement(sqlite3_stmt *statement, QString path);
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    Statement &bind(int position, const QString &text);
    Statement &bind(int position, const QByteArray &bytes);
    Statement &bind(int position, const char *text) { return bind(position, QString::fromUtf8(text)); }
    Statement &bind(int position, qint64 number);
    Statement &bind(int position, int number) { return bind(position, qint64(number)); }

    // Moves to the next row; false when there is none (the statement is done).
    bool next();
    // Runs a statement that returns no rows.
    void run();
    // Back to before the first row, keeping the bound values.
    void reset();

    // Field position by name, without regard to case (FlyerId is FlyerID).
    int field(const char *name) const;

    QString text(int column) const;
    QString text(const char *name) const { return text(field(name)); }
    QByteArray bytes(int column) const;
    QByteArray bytes(const char *name) const { return bytes(field(name)); }
    qint64 number(int column) const;
    qint64 number(const char *name) const { return number(field(name)); }

private:
    void check(int resultCode) const;
    void requireRow() const;

    sqlite3_stmt *m_statement;
    QString m_path;
    bool m_onRow = false;
};
