#pragma once

#include "admin_db/clubs/club_store.h"
#include "admin_db/editing/list_window_view.h"
#include "admin_db/editing/record_editor.h"

#include <QList>
#include <QStringList>

struct AdminSharedState;
class Database;
class Prompter;

inline const QString ClubWindowName = QStringLiteral("frmClubData");

// A club name is a name field of this many characters.
inline constexpr int ClubNameLimit = 20;

enum class ClubFocus { None, Name, List };

// What the club window shows, all of it derived from the logic's state. The
// club window has no Delete.
struct ClubView : ListWindowView {
    QString number;
    QString name;
    bool nameEnabled = false;
};

// The club window without its widgets: listing and searching clubs, adding
// and renaming them. Clubs are never deleted.
class ClubLogic : public RecordEditor<ClubFocus> {
public:
    ClubLogic(Database &db, Prompter &prompter, AdminSharedState &shared);

    // Window load: lists the clubs; with the no-clubs flag raised it says a
    // club is needed and starts adding one.
    void load();
    // End and unload: releases the clubs table, leaving other windows theirs.
    void end();

    // The clock system's own routines, under their own names.

    // Clubs matching the search text. Throws JetError.
    qint64 ClubCountRecords();
    // A failed reading is reported and leaves the list empty, without the
    // no-clubs line that would claim there are none.
    void clublistrecords();
    void clubadd();
    void clubedit();

    void clickRow(int row);
    void addNew();
    void cancel();
    // Text breaking the field's rules (too long, a character no name takes)
    // is refused whole.
    void nameEdited(const QString &text);

    ClubView view() const;

private:
    void listSearched() override;
    void storeNew() override { clubadd(); }
    void storeChanged() override { clubedit(); }
    // The name to store, cleaned; empty after saying a name is needed.
    QString checkedName();
    // After a club was stored: browsing again, the first club shown.
    void stored();

    ClubStore m_store;
    Prompter &m_prompter;
    AdminSharedState &m_shared;
    QList<Club> m_clubs;
    QString m_number;
    QString m_name;
};
