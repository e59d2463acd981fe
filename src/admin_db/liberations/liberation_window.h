#pragma once

#include "admin_db/liberations/liberation_logic.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class frmLiberations;
}
class QLineEdit;

// frmLiberations: shows LiberationLogic's state and hands it the user's
// clicks, edits and field exits. Modeless; deletes itself when closed.
class LiberationWindow : public QWidget {
    Q_OBJECT
public:
    LiberationWindow(Database &db, Prompter &prompter, QWidget *parent = nullptr);
    ~LiberationWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    // Runs a logic action, then shows its outcome.
    void run(const std::function<void()> &action);
    void showState();
    void showFocus(LiberationFocus focus);
    QLineEdit *field(RaceField which) const;

    std::unique_ptr<Ui::frmLiberations> ui;
    LiberationLogic m_logic;
    bool m_returningFocus = false;
};
