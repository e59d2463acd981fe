#pragma once

#include "admin_db/liberations/liberation_logic.h"
#include "common/widgets/data_window.h"

#include <memory>

namespace Ui {
class frmLiberations;
}
class QLineEdit;

// frmLiberations: shows LiberationLogic's state and hands it the user's
// clicks, edits and field exits. Modeless; deletes itself when closed.
class LiberationWindow : public DataWindowOf<LiberationLogic> {
    Q_OBJECT
public:
    LiberationWindow(Database &db, Prompter &prompter, LiberationLogic::SendToClock sendToClock,
                     QWidget *parent = nullptr);
    ~LiberationWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void showState() override;
    void showFocus(LiberationFocus focus) override;
    QLineEdit *field(RaceField which) const;

    std::unique_ptr<Ui::frmLiberations> ui;
    bool m_returningFocus = false;
};
