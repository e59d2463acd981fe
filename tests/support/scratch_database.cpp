#include "scratch_database.h"

#include "admin_db/db/sqlcipher.h"
#include "admin_db/db/transaction.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QString freshFolder(const QString &name)
{
    QDir dir(qEnvironmentVariable("TAMREL_SCRATCH") + QStringLiteral("/") + name);
    dir.removeRecursively();
    if (!dir.mkpath(QStringLiteral(".")))
        qFatal("cannot make the scratch folder");
    return dir.absolutePath();
}

} // namespace

ScratchDatabase::ScratchDatabase(const QString &name)
    : folder(freshFolder(name)), folders(folder, folder + QStringLiteral("/TAM"))
{
    PrepareDatabase(db, folders);
    db.setBusyTimeout(ShortBusyTimeoutMs);
    if (!QFile::copy(DeliveredDatabase(), db.path()))
        qFatal("cannot copy the delivered database");
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
}

QString DeliveredDatabase()
{
    return qEnvironmentVariable("TAMREL_BIN_DIR") + QStringLiteral("/tamreldata.mdb");
}

void MakeKeyedFile(const QString &path, const QByteArray &key)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_key(db, key.constData(), int(key.size())), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "CREATE TABLE t(a)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

QStringList FieldOfEveryRow(Statement &query, const char *field)
{
    QStringList texts;
    while (query.next())
        texts.append(query.text(field));
    return texts;
}

QStringList Rows(Connection &connection, const QByteArray &sql)
{
    Statement query = connection.prepare(sql);
    QStringList texts;
    while (query.next())
        texts.append(query.text(0));
    return texts;
}

qint64 Number(Connection &connection, const QByteArray &sql)
{
    Statement query = connection.prepare(sql);
    return query.next() ? query.number(0) : -1;
}

void InsertRows(Connection &connection, const QByteArray &sql, const QStringList &rows)
{
    Transaction together(connection);
    Statement insert = connection.prepare(sql);
    for (const QString &row : rows) {
        const QStringList fields = row.split(QLatin1Char('|'));
        for (qsizetype i = 0; i < fields.size(); ++i)
            insert.bind(int(i + 1), fields.at(i));
        insert.run();
        insert.reset();
    }
    together.commit();
}

namespace {

const QString Aside = QStringLiteral("aside.mdb");

} // namespace

FileFault::FileFault(const ScratchDatabase &scratch, const QString &fault) : m_scratch(scratch)
{
    if (fault == QLatin1String("deleted")) {
        QVERIFY(QFile::rename(scratch.path(), scratch.besideDatabase(Aside)));
        return;
    }
    scratch.openOwn(m_locker);
    m_locker.execute("BEGIN IMMEDIATE");
}

void FileFault::mend()
{
    if (m_locker.isOpen()) {
        m_locker.execute("ROLLBACK");
        m_locker.close();
        return;
    }
    QVERIFY(QFile::rename(m_scratch.besideDatabase(Aside), m_scratch.path()));
}
