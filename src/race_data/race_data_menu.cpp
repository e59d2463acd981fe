#include "race_data/race_data_menu.h"

#include "clock/clock_status_bar.h"
#include "race_data/save_tam_race_data.h"
#include "race_data/save_ventaro_race_data.h"
#include "transfer/data_trans_window.h"

void RunSaveTamRaceData(QWidget *parent, ClockLink &link, ClockIdentity &identity, const Folders &folders,
                        Prompter &prompter, ClockStatusBar &statusBar)
{
    DataTransWindow progress(parent);
    TransferContext context{link, identity, prompter, progress, [&] { ShowClockStatus(identity, statusBar); }};
    SaveTamRaceData(context, folders);
}

void RunSaveVentaroRaceData(QWidget *parent, ClockLink &link, ClockIdentity &identity, Database &db,
                            const Folders &folders, Prompter &prompter, ClockStatusBar &statusBar)
{
    DataTransWindow progress(parent);
    TransferContext context{link, identity, prompter, progress, [&] { ShowClockStatus(identity, statusBar); }};
    SaveVentaroRaceData(context, db, folders, QDate::currentDate());
}
