#include "test_club_flyer_file.h"

#include "admin_db/db/transaction.h"

void ClubFlyerFile::fill(const QStringList &clubs, const QStringList &flyers, const QList<int> &birds)
{
    Transaction together(own);
    for (const char *sql : {"DELETE FROM clubs", "DELETE FROM flyerlist", "DELETE FROM birds",
                            "DELETE FROM sqlite_sequence"})
        own.execute(sql);
    InsertRows(own, "INSERT INTO clubs (ClubID, ClubName) VALUES (?, ?)", clubs);
    InsertRows(own, "INSERT INTO flyerlist (Name, ClubID) VALUES (?, ?)", flyers);
    QStringList owned;
    for (qsizetype owner = 0; owner < birds.size(); ++owner) {
        for (int n = 0; n < birds.at(owner); ++n)
            owned.append(QStringLiteral("%1|%2").arg(owner + 1).arg(1000 + n));
    }
    InsertRows(own, "INSERT INTO birds (BirdFlyerID, bnumber) VALUES (?, ?)", owned);
    together.commit();
}
