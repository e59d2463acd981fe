#include "test_club_flyer_file.h"

#include "admin_db/db/transaction.h"

#include <QFile>
#include <QTest>

ClubFlyerFile::ClubFlyerFile(const QString &name) : scratch(name)
{
    scratch.openOwn(own);
}

void ClubFlyerFile::fill(const QStringList &clubs, const QStringList &flyers, const QList<int> &birds)
{
    Transaction transaction(own);
    for (const char *sql : {"DELETE FROM clubs", "DELETE FROM flyerlist", "DELETE FROM birds",
                            "DELETE FROM sqlite_sequence"})
        own.execute(sql);
    Statement club = own.prepare("INSERT INTO clubs (ClubID, ClubName) VALUES (?, ?)");
    for (const QString &c : clubs) {
        club.bind(1, c.section(QLatin1Char('|'), 0, 0).toLongLong()).bind(2, c.section(QLatin1Char('|'), 1)).run();
        club.reset();
    }
    Statement flyer = own.prepare("INSERT INTO flyerlist (Name, ClubID) VALUES (?, ?)");
    for (const QString &f : flyers) {
        flyer.bind(1, f.section(QLatin1Char('|'), 0, 0)).bind(2, f.section(QLatin1Char('|'), 1).toLongLong()).run();
        flyer.reset();
    }
    Statement bird = own.prepare("INSERT INTO birds (BirdFlyerID, bnumber) VALUES (?, ?)");
    for (qsizetype owner = 0; owner < birds.size(); ++owner) {
        for (int n = 0; n < birds.at(owner); ++n) {
            bird.bind(1, owner + 1).bind(2, QString::number(1000 + n)).run();
            bird.reset();
        }
    }
    transaction.commit();
}

QStringList ClubFlyerFile::rows(const char *sql)
{
    Statement query = own.prepare(sql);
    return FieldOfEveryRow(query, "row");
}

namespace {

const QString Aside = QStringLiteral("aside.mdb");

} // namespace

void ClubFlyerFile::fail(const QString &fault)
{
    if (fault == QLatin1String("deleted")) {
        QVERIFY(QFile::rename(scratch.path(), scratch.besideDatabase(Aside)));
        return;
    }
    scratch.openOwn(locker);
    locker.execute("BEGIN IMMEDIATE");
}

void ClubFlyerFile::mend()
{
    if (locker.isOpen()) {
        locker.execute("ROLLBACK");
        locker.close();
        return;
    }
    QVERIFY(QFile::rename(scratch.besideDatabase(Aside), scratch.path()));
}
