#pragma once

#include "admin_db/clubs/club_store.h"
#include "admin_db/editing/list_window_view.h"
#include "admin_db/flyers/flyer_bird_window_access.h"
#include "admin_db/flyers/flyer_fields.h"
#include "admin_db/flyers/flyer_store.h"

#include <QList>
#include <QStringList>
#include <functional>

struct AdminSharedState;
class Database;
class JetError;
class Prompter;

enum class FlyerFocus { None, Name, List };

// What the flyer window shows, all of it derived from the logic's state.
struct FlyerView : ListWindowView {
    QString clubLabel;
    QStringList clubItems;
    int clubIndex = -1;
    bool clubEnabled = false;
    FlyerFields fields;
    bool fieldsEnabled = false;
};

// The flyer window without its widgets: listing and searching flyers,
// adding, editing and deleting them with their birds, each in a club; and
// entering the flyer of birds read from the clock (receive mode).
class FlyerLogic : public RecordEditor<FlyerFocus> {
public:
    // birdWindow gives the open bird window, or null while none is open.
    FlyerLogic(Database &db, Prompter &prompter, AdminSharedState &shared,
               std::function<BirdWindowAccess *()> birdWindow);

    // Window load: the club box and the flyer list.
    void load();
    // End and unload: releases the tables this window holds. A receive
    // left unfinished ends with it.
    void end();

    // The clock system's own routines, under their own names.

    // The club box: every club in table order, the first one chosen.
    void FillClubCombo();
    // A failed reading is reported and leaves the list empty, without the
    // no-flyers line that would claim there are none.
    void FillFlyerList();
    void add();
    void edit_entry();

    void clickRow(int row);
    void addNew();
    // Receive mode: adding the flyer a memory module named, whose birds wait
    // in the shared state until he is saved.
    void enterReceivedFlyer(const QString &name);
    void cancel();
    // Another window changed the flyers (an import): the list read anew,
    // the chosen flyer kept; not while one is being entered.
    void showDatabaseChanges();
    void deleteSelected();
    // Text breaking the field's rules is refused whole.
    void fieldEdited(FlyerField field, const QString &text);
    void clubChosen(int index);

    FlyerView view() const;
    // Whether the window should close now (a receive is done), once.
    bool takeCloseRequest();
    // The flyer being entered is the one a memory module named.
    bool receiving() const;

private:
    void listSearched() override;
    // Gives up the birds read from the clock for a flyer not entered, saying so.
    void dropReceivedBirds();
    // The whole list, the chosen flyer chosen again.
    void showListAgain();
    void storeNew() override { add(); }
    void storeChanged() override { edit_entry(); }
    // The typed flyer to store under key, name cleaned; nullopt after saying
    // what is wrong with the name. Throws JetError.
    std::optional<Flyer> checkedFlyer(qint64 key);
    // The chosen club's number; the first club when none is chosen.
    qint64 chosenClub() const;
    // Back to browsing the whole list, with the flyer of key shown if any.
    void showWholeList(std::optional<qint64> key);
    // Whether the received birds went in with the new flyer; told either
    // way. The receive ends here.
    bool storeReceivedBirds(const Flyer &flyer);
    void reportAddFailure(const JetError &error);

    Database &m_db;
    FlyerStore m_store;
    ClubStore m_clubStore;
    Prompter &m_prompter;
    AdminSharedState &m_shared;
    std::function<BirdWindowAccess *()> m_birdWindow;
    QList<FlyerLine> m_flyers;
    QList<Club> m_clubs;
    bool m_clubsRead = false;
    int m_clubIndex = -1;
    FlyerFields m_fields;
    bool m_closeRequested = false;
};
