#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The error numbers windows and messages test for; they keep the numbers of
// the database engine the program was first written for.
namespace JetCode {
inline constexpr int EngineError = 3000;       // anything without a number of its own
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int FileNotFound = 3024;
inline constexpr int WrongPassword = 3031;     // also: not a database at all
inline constexpr int FileLocked = 3051;        // read-only or locked
inline constexpr int ItemNotFound = 3265;      // no field of that name
inline constexpr int ObjectInvalid = 3420;     // a connection used while closed
inline constexpr int FileInUse = 3356;         // compacting while a window holds the file
}

// A database failure: its Jet number and a description a user can read.
class JetError : public std::exception {
public:
    JetError(int number, QString description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

struct sqlite3;

// The failure an SQLite result code stands for, on the file at path.
JetError SqliteError(int resultCode, sqlite3 *db, const QString &path);
