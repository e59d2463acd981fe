#pragma once

#include "admin_db/flyers/flyer_logic.h"
#include "common/widgets/data_window.h"

#include <functional>
#include <memory>

namespace Ui {
class frmFlyerList;
}
class QLineEdit;

// frmFlyerList: shows FlyerLogic's state and hands it the user's clicks,
// choices and typing. Modeless; deletes itself when closed.
class FlyerWindow : public DataWindowOf<FlyerLogic> {
    Q_OBJECT
public:
    // birdWindow gives the open bird window, or null while none is open.
    FlyerWindow(Database &db, Prompter &prompter, AdminSharedState &shared,
                std::function<BirdWindowAccess *()> birdWindow, QWidget *parent = nullptr);
    ~FlyerWindow() override;

    // The flyer of birds read from a memory module, entered for the user to
    // choose his club and save.
    void enterReceivedFlyer(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The birds read from the clock wait on the flyer being entered.
    bool holdsUnsavedInput() const override { return m_logic.receiving() || DataWindowOf::holdsUnsavedInput(); }

private:
    void setUpFields();
    void connectControls();
    // A finished receive also closes the window.
    void showOutcome() override;
    void showState() override;
    void showFocus(FlyerFocus focus) override;
    QLineEdit *field(FlyerField which) const;

    std::unique_ptr<Ui::frmFlyerList> ui;
};
