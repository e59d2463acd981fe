#pragma once

#include <QDate>

class Database;
class Folders;
struct TransferContext;

// "Save Race Data for Ventaro": reads the race memory and the module's flyer
// name, asks for the liberation date and a file, and writes the races that
// the memory holds into the week's Ventaro race file, after what the file
// holds already. today: the date the liberation date is checked against.
void SaveVentaroRaceData(TransferContext &context, Database &db, const Folders &folders, const QDate &today);
