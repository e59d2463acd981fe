#pragma once

#include "admin_db/clubs/club_logic.h"
#include "common/widgets/data_window.h"

#include <memory>

namespace Ui {
class frmClubData;
}

// frmClubData: shows ClubLogic's state and hands it the user's clicks and
// typing. Modeless; deletes itself when closed.
class ClubWindow : public DataWindowOf<ClubLogic> {
    Q_OBJECT
public:
    ClubWindow(Database &db, Prompter &prompter, AdminSharedState &shared, QWidget *parent = nullptr);
    ~ClubWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void showState() override;
    void showFocus(ClubFocus focus) override;

    std::unique_ptr<Ui::frmClubData> ui;
};
