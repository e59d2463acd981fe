#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QStringList>

class Database;
class QTemporaryDir;

// A copy of the delivered database in folder, prepared in db; false, having
// said why, when it cannot be made.
bool PrepareBenchDatabase(Database &db, const QTemporaryDir &folder);

// flyers flyers of birdsPerFlyer birds each, in one transaction; the serials
// of each flyer go in shuffled, so that the listing has to sort them.
void FillFlyersAndBirds(Database &db, int flyers, int birdsPerFlyer);

double median(QList<double> figures);

// N of "--runs N", fallback without arguments; 0 after showing how the
// sub-command is called.
int RunsOf(const QStringList &arguments, int fallback, const char *subCommand);

template <typename F> double millisecondsOf(F &&action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return double(timer.nsecsElapsed()) / 1e6;
}
