#pragma once

#include "admin_db/records/bird_band.h"
#include "admin_db/records/bird_hatch_years.h"
#include "admin_db/birds/bird_store.h"
#include "admin_db/birds/bird_transfers.h"
#include "admin_db/editing/record_editor.h"

#include <QList>
#include <QStringList>
#include <functional>

struct AdminSharedState;
struct ClockIdentity;
class JetError;
class Prompter;

enum class BandField { Org, Year, Club, IdNumber };
enum class BirdFocus { None, Org, Year, Club, Save, BirdList };

// The band fields, the colour and the sex as the window shows them.
struct BirdFields {
    BandFields band;
    int colorIndex = -1;    // display position in the colour list; -1 is empty
    bool cock = true;
};

// What the bird window shows, all of it derived from the logic's state.
struct BirdInventoryView {
    QStringList flyerLines;
    bool flyerListEnabled = false;
    int flyerRow = -1;
    QString flyerCountLine;
    QStringList birdLines;
    bool birdListEnabled = false;
    int birdRow = -1;           // the bird the fields show
    QList<int> selectedBirdRows;
    QString birdCountLine;
    BirdFields fields;
    bool fieldsEnabled = false; // the five band fields and both option buttons
    bool addNewEnabled = false;
    bool editEnabled = false;
    bool saveEnabled = false;
    bool cancelEnabled = false;
    bool deleteEnabled = false;
    bool endEnabled = false;
    bool sendBirdsEnabled = false;
    bool receiveBirdsEnabled = false;
    bool exportEnabled = false;
};

// The bird window without its widgets: the flyer list and its search, the
// chosen flyer's birds, adding, editing and deleting birds with the band
// rules, and the checks of the band fields.
class BirdInventory : public RecordEditor<BirdFocus> {
public:
    BirdInventory(Database &db, Prompter &prompter, AdminSharedState &shared, const ClockIdentity &clock,
                  std::function<QString()> nationalOrg, BirdTransfers &transfers);

    // Window load: lists the flyers, the first one chosen.
    void load();
    // End and unload: releases the tables this window holds.
    void end();

    // The colour list's names in display order, and the code of each.
    QStringList colorNames() const;
    int colorCodeAt(int index) const;

    void searchChanged(const QString &text);
    void flyerClicked(int row);
    // Chooses the first flyer listed under that name, blanks aside; false
    // when none is.
    bool selectFlyer(const QString &name);
    // row: the clicked line, the one the fields show; selectedRows: every
    // line selected.
    void birdClicked(int row, const QList<int> &selectedRows);

    void setOnlySelectedBirds(bool checked) { m_onlySelected = checked; }
    void addNew();
    // Runs AddBird or editbird after the field checks.
    void save() override;
    void cancel();
    void deleteBirds();
    // "Send Birds": the chosen flyer's birds, or the selected ones, into the
    // memory module.
    void sendBirds();
    // "Receive Birds": the module's birds into the database.
    void receiveBirds();
    // "Export to CSV...": the chosen flyer's birds as the list shows them,
    // into a file the user chooses.
    void exportBirds();
    // Another window changed the flyers or birds (an import): the flyer list
    // read anew, the chosen flyer kept; not while a bird is being entered.
    void showDatabaseChanges();
    // Whether the window should close now (another window took over), once.
    bool takeCloseRequest();
    // What a transfer has to tell once its outcome is on screen, once.
    QString takeClosingMessage();

    // The clock system's own routines, under their own names.

    // Lists the flyers whose name starts with the search text and chooses
    // the first.
    void FillBirdFlyerList();
    bool AddBird();
    bool editbird();

    void fieldEdited(BandField field, const QString &text);
    void colorChosen(int index);
    void sexChosen(bool cock);
    void leaveOrg();
    void leaveYear();
    void leaveClub();
    void leaveIdNumber();

    BirdInventoryView view() const;

private:
    // The chosen flyer's birds, read anew; nothing shown in the fields.
    void showFlyerBirds();
    void showBird(int row);
    void showStoredBird(qint64 key);
    int rowOf(qint64 key) const;
    int colorIndexOf(const QByteArray &color) const;
    void emptyBandFields();
    bool fieldsFilled() const;
    bool checkYear();
    // The bird the fields describe, for the chosen flyer.
    BirdRecord birdFromFields() const;
    // Adds a bird without a key, replaces the one with its key; refuses a
    // band another bird has. Then shows the bird stored.
    bool storeBird(BirdRecord bird);
    // Another window deleted the chosen flyer: says so and lists the flyers
    // anew.
    void flyerGone();
    void follow(const BirdTransferEnd &end);

    Database &m_db;
    BirdStore m_store;
    Prompter &m_prompter;
    AdminSharedState &m_shared;
    const ClockIdentity &m_clock;
    std::function<QString()> m_nationalOrg;
    BirdTransfers &m_transfers;
    HatchYearWindow m_years;

    QString m_search;
    QList<FlyerEntry> m_flyers;
    int m_flyerRow = -1;
    QList<BirdRecord> m_birds;
    QStringList m_birdLines;
    QList<int> m_selectedRows;
    bool m_onlySelected = false;
    BirdFields m_fields;
    bool m_closeRequested = false;
    QString m_closingMessage;
};
