#pragma once

#include <QPushButton>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <utility>

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

// A data window over its logic: after each action it shows the logic's state
// and the focus the logic asks for, and it ends the logic when it closes.
template <typename Logic>
class DataWindowOf : public DataWindow {
protected:
    using Focus = decltype(std::declval<Logic &>().takeFocus());

    template <typename... Arguments>
    explicit DataWindowOf(QWidget *parent, Arguments &&...arguments)
        : DataWindow(parent), m_logic(std::forward<Arguments>(arguments)...)
    {
    }

    virtual void showState() = 0;
    virtual void showFocus(Focus focus) = 0;

    void showOutcome() override
    {
        showState();
        showFocus(m_logic.takeFocus());
    }
    void endLogic() override { m_logic.end(); }

    using Action = void (Logic::*)();
    // Each button runs its action of the logic; end closes the window.
    void connectButtons(std::initializer_list<std::pair<QPushButton *, Action>> buttons, QPushButton *end)
    {
        for (const auto &[button, action] : buttons)
            connect(button, &QPushButton::clicked, this,
                    [this, action = action] { run([this, action] { (m_logic.*action)(); }); });
        connect(end, &QPushButton::clicked, this, &QWidget::close);
    }

    Logic m_logic;
};
