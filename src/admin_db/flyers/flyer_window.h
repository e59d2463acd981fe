#pragma once

#include "admin_db/flyers/flyer_logic.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class frmFlyerList;
}
class QLineEdit;

// frmFlyerList: shows FlyerLogic's state and hands it the user's clicks,
// choices and typing. Modeless; deletes itself when closed.
class FlyerWindow : public QWidget {
    Q_OBJECT
public:
    // birdWindow gives the open bird window, or null while none is open.
    FlyerWindow(Database &db, Prompter &prompter, AdminSharedState &shared,
                std::function<BirdWindowAccess *()> birdWindow, QWidget *parent = nullptr);
    ~FlyerWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpFields();
    void connectControls();
    // Runs a logic action, then shows its outcome.
    void run(const std::function<void()> &action);
    void showState();
    void showFocus(FlyerFocus focus);
    QLineEdit *field(FlyerField which) const;

    std::unique_ptr<Ui::frmFlyerList> ui;
    FlyerLogic m_logic;
};
