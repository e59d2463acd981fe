#pragma once

class ClockLink;
class Database;
class ClockStatusBar;
class Folders;
class Prompter;
class QWidget;
struct ClockIdentity;

// The main window's "Save Race Data ("TAM" style)": the progress window
// frmDataTrans over parent while the module is read, the status bar filled
// from the fresh identification.
void RunSaveTamRaceData(QWidget *parent, ClockLink &link, ClockIdentity &identity, const Folders &folders,
                        Prompter &prompter, ClockStatusBar &statusBar);
// "Save Race Data for Ventaro", likewise, with the database for the birds'
// colours.
void RunSaveVentaroRaceData(QWidget *parent, ClockLink &link, ClockIdentity &identity, Database &db,
                            const Folders &folders, Prompter &prompter, ClockStatusBar &statusBar);
