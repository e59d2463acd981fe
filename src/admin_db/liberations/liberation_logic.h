#pragma once

#include "admin_db/editing/record_editor.h"
#include "admin_db/liberations/liberation_fields.h"
#include "admin_db/records/liberation_race.h"
#include "admin_db/liberations/liberation_store.h"

#include <QList>
#include <QStringList>
#include <functional>

class Database;
class JetError;
class Prompter;

// More races than this are refused when adding.
inline constexpr int MaxStoredRaces = 51;

enum class LiberationFocus { None, RaceNumber, Month, Day, List, AddNew };

// What the liberation window shows, all of it derived from the logic's state.
struct LiberationView {
    QStringList lines;
    bool listEnabled = false;
    int selectedRow = -1;
    QString countLine;
    QString ventaroWarning;
    RaceFields fields;
    bool fieldsEnabled = false;
    bool addNewEnabled = false;
    bool editEnabled = false;
    bool deleteEnabled = false;
    bool saveEnabled = false;
    bool cancelEnabled = false;
    bool endEnabled = false;
    bool sendEnabled = false;
};

// The liberation window without its widgets: the list of table orte, adding,
// editing and deleting races, and the checks of the fields.
class LiberationLogic : public RecordEditor<LiberationFocus> {
public:
    // The races of table orte, in table order, to the memory module.
    using SendToClock = std::function<void(const QList<LiberationRace> &)>;

    LiberationLogic(Database &db, Prompter &prompter, SendToClock sendToClock);

    // Window load: lists the races. When that fails the list stays empty,
    // and the next step tries again.
    void load();
    // End and unload: releases the table.
    void end();

    // The clock system's own routines, under their own names.

    void OrteAdd();
    void OrteEdit();

    void clickRow(int row);
    void addNew();
    void edit() override;
    void cancel();
    void deleteSelected();
    // "Send to Tamrel": every race as the table holds it now.
    void sendOrte();

    void fieldEdited(RaceField field, const QString &text);
    void leaveMonth();
    void leaveDay();

    LiberationView view() const;

private:
    void storeNew() override { OrteAdd(); }
    void storeChanged() override { OrteEdit(); }
    void fillOrteList();
    // Fields emptied, the list read again.
    void backToBrowsing();
    void enableOrteSave();
    bool checkDatePart(RaceField field);
    // Checks the fields, saying what is wrong, then stores their race through
    // write and goes back to browsing. write returns false when it refuses; a
    // failure is reported. Either way the fields stay as typed.
    void storeChecked(const QString &emptyMessage, const std::function<bool(const LiberationRace &)> &write);

    LiberationStore m_store;
    Prompter &m_prompter;
    SendToClock m_sendToClock;
    QList<LiberationRace> m_races;
    RaceFields m_fields;
    bool m_saveEnabled = false;
};
