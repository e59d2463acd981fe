#pragma once

#include "admin_db/db/database.h"
#include "common/folders.h"

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
    QByteArray fileBytes() const;

    // A connection of the test's own, as another program would have.
    void openOwn(Connection &connection) const { connection.open(db.path(), db.key(), ShortBusyTimeoutMs); }

    // Locks in tests are held on purpose: a failure need not wait long.
    static constexpr int ShortBusyTimeoutMs = 50;
};

// The delivered file, made by tamrel-mkdb during the build.
QString DeliveredDatabase();

// One field of every row a query gives, in order.
QStringList FieldOfEveryRow(Statement &query, const char *field);

// A keyed database file with one table, as something other than the program
// might leave behind.
void MakeKeyedFile(const QString &path, const QByteArray &key);
