#pragma once

#include <QWidget>
#include <functional>

// What the four data windows share: a modeless window that deletes itself
// when closed, hands every user action to its logic and then shows the
// outcome, and lets its logic release the database when it closes.
class DataWindow : public QWidget {
    Q_OBJECT
protected:
    explicit DataWindow(QWidget *parent);

    // Runs a logic action, then shows its outcome.
    void run(const std::function<void()> &action);
    // The logic's state, and the focus it asks for.
    virtual void showOutcome() = 0;
    virtual void endLogic() = 0;

    void closeEvent(QCloseEvent *event) override;
};
