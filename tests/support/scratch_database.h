#pragma once

#include "admin_db/db/database.h"
#include "admin_db/db/jet_error.h"
#include "common/folders.h"
#include "scratch_files.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A program folder of its own under the test's scratch folder, holding a fresh
// copy of the database the build delivers, and a prepared Database on it.
struct ScratchDatabase {
    explicit ScratchDatabase(const QString &name);

    QString folder;
    Folders folders;
    Database db;

    const QString &path() const { return db.path(); }
    QString besideDatabase(const QString &fileName) const { return folders.inProgramDir(fileName); }
    QByteArray fileBytes() const { return FileBytes(db.path()); }

    // A connection of the test's own, as another program would have.
    void openOwn(Connection &connection) const { connection.open(db.path(), db.key(), ShortBusyTimeoutMs); }

    // Locks in tests are held on purpose: a failure need not wait long.
    static constexpr int ShortBusyTimeoutMs = 50;
};

// The number of the JetError action throws, 0 when it throws none.
template <typename Action>
int JetNumberOf(Action action)
{
    try {
        action();
    } catch (const JetError &e) {
        return e.number();
    }
    return 0;
}

// The delivered file, made by tamrel-mkdb during the build.
QString DeliveredDatabase();

// One field of every row a query gives, in order.
QStringList FieldOfEveryRow(Statement &query, const char *field);
// The first column of every row, as text.
QStringList Rows(Connection &connection, const QByteArray &sql);
// The first column of the first row as a number, -1 without a row.
qint64 Number(Connection &connection, const QByteArray &sql);
// Runs an insert once for each row, its fields ("a|b|c") bound in order, all
// in one transaction.
void InsertRows(Connection &connection, const QByteArray &sql, const QStringList &rows);

// The file out of the program's reach until mended: "deleted" moves it
// aside, "locked" has another program write to it.
class FileFault {
public:
    FileFault(const ScratchDatabase &scratch, const QString &fault);
    void mend();

private:
    const ScratchDatabase &m_scratch;
    Connection m_locker;
};

// A keyed database file with one table, as something other than the program
// might leave behind.
void MakeKeyedFile(const QString &path, const QByteArray &key);
