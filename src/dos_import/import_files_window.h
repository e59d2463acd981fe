#pragma once

#include "dos_import/dos_import.h"
#include "transfer/data_trans_window.h"

#include <QWidget>
#include <memory>

namespace Ui {
class frmImportFiles;
}
class QFileSystemModel;

// frmImportFiles: shows DosImport's state and hands it the user's choices.
// Modeless; deletes itself when closed, releasing the tables.
class ImportFilesWindow : public QWidget {
    Q_OBJECT
public:
    // Starts on the admin files of folder.
    ImportFilesWindow(Database &db, Prompter &prompter, AdminSharedState &shared, const QString &folder,
                      QWidget *parent = nullptr);
    ~ImportFilesWindow() override;

    // How the window's load went; the user has been told of a failure.
    DosImport::Load loaded() const { return m_loaded; }

Q_SIGNALS:
    // Flyers and birds may have been stored.
    void imported();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpFolders(const QString &folder);
    void connectControls();
    void chooseFolder(const QString &folder);
    void showState();

    std::unique_ptr<Ui::frmImportFiles> ui;
    DataTransWindow m_progress;
    DosImport m_logic;
    QFileSystemModel *m_folders;
    DosImport::Load m_loaded = DosImport::Load::Failed;
};
