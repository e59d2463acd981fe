#pragma once

#include "admin_db/clubs/club_logic.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class frmClubData;
}

// frmClubData: shows ClubLogic's state and hands it the user's clicks and
// typing. Modeless; deletes itself when closed.
class ClubWindow : public QWidget {
    Q_OBJECT
public:
    ClubWindow(Database &db, Prompter &prompter, AdminSharedState &shared, QWidget *parent = nullptr);
    ~ClubWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    // Runs a logic action, then shows its outcome.
    void run(const std::function<void()> &action);
    void showState();
    void showFocus(ClubFocus focus);

    std::unique_ptr<Ui::frmClubData> ui;
    ClubLogic m_logic;
};
