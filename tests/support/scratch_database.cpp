#include "scratch_database.h"

#include "admin_db/db/sqlcipher.h"

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

QByteArray ScratchDatabase::fileBytes() const
{
    QFile file(db.path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
