#pragma once

#include "admin_db/birds/bird_inventory.h"
#include "common/widgets/data_window.h"
#include "admin_db/flyers/flyer_bird_window_access.h"

#include <functional>
#include <memory>

namespace Ui {
class frmBirdInventory;
}

// frmBirdInventory: shows BirdInventory's state and hands it the user's
// clicks, edits and field exits. Modeless; deletes itself when closed.
class BirdInventoryWindow : public DataWindowOf<BirdInventory>, public BirdWindowAccess {
    Q_OBJECT
public:
    BirdInventoryWindow(Database &db, Prompter &prompter, AdminSharedState &shared, const ClockIdentity &clock,
                        std::function<QString()> nationalOrg, BirdTransfers &transfers,
                        QWidget *parent = nullptr);
    ~BirdInventoryWindow() override;

    // For the flyer window, after it stored a flyer read from the clock.
    void FillBirdFlyerList() override;
    void selectFlyer(const QString &name) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpFields();
    void FillColorCombo();
    void FillOrgCombo();
    void connectControls();
    void alignHeadings();
    // A receive that hands over to another window also closes this one.
    void showOutcome() override;
    void showState() override;
    void showBirdList(const BirdInventoryView &v);
    void showFields(const BirdFields &fields, bool enabled);
    void showFocus(BirdFocus focus) override;
    void leave(QObject *field);
    void birdSelectionChanged();

    std::unique_ptr<Ui::frmBirdInventory> ui;
};
