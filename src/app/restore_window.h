#pragma once

#include "admin_db/db/backups.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmRestore;
}

// frmRestore: the backups to choose from, newest on top with their date and
// what they hold, or another file; accepted with the chosen one.
class RestoreWindow : public QDialog {
    Q_OBJECT
public:
    RestoreWindow(const QList<Backups::Entry> &backups, const QString &folder, QWidget *parent);
    ~RestoreWindow() override;

    QString chosenPath() const { return m_chosen; }

private:
    void choose(const QString &path);

    std::unique_ptr<Ui::frmRestore> ui;
    QList<Backups::Entry> m_backups;
    QString m_chosen;
};

// A line of the list: "2026-12-07 13:05  tamreldata-2026-12-07.mdb  3 clubs, 15 flyers, 999 birds".
QString RestoreLine(const Backups::Entry &backup);
