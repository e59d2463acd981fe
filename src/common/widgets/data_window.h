#pragma once

#include <QPushButton>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <utility>

class Prompter;

// What the four data windows share: a modeless window that deletes itself
// when closed, hands every user action to its logic and then shows the
// outcome, and lets its logic release the database when it closes. Return
// and Enter press the focused button; Escape cancels a record being entered
// (asking first when something was typed) and closes the window otherwise;
// closing while a record is entered asks first; fields that cannot be edited
// stay readable.
class DataWindow : public QWidget {
    Q_OBJECT
public:
    // Another window changed what this one lists: shows the database as it
    // is now, where the window lists what changes.
    virtual void showDatabaseChanges() {}

protected:
    DataWindow(QWidget *parent, Prompter &prompter);

    // Runs a logic action, then shows its outcome.
    void run(const std::function<void()> &action);
    // The logic's state, and the focus it asks for.
    virtual void showOutcome() = 0;
    virtual void endLogic() = 0;
    // A record is being added or edited and is not saved.
    virtual bool typing() const = 0;
    // As the Cancel button.
    virtual void cancelEntry() = 0;
    // Whether the record being entered holds what Escape must not drop
    // unasked: here, a field the user changed since the record was shown.
    virtual bool holdsUnsavedInput() const;

    Prompter &prompter() { return m_prompter; }

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Whether the user lets the record being entered go.
    bool mayLoseEntry(const QString &consequence);


    Prompter &m_prompter;
};

// A data window over its logic: after each action it shows the logic's state
// and the focus the logic asks for, and it ends the logic when it closes.
template <typename Logic>
class DataWindowOf : public DataWindow {
public:
    void showDatabaseChanges() override
    {
        if constexpr (requires(Logic &logic) { logic.showDatabaseChanges(); })
            run([this] { m_logic.showDatabaseChanges(); });
    }

protected:
    using Focus = decltype(std::declval<Logic &>().takeFocus());

    // asker: where the window's own question goes; the logic gets the rest.
    template <typename... Arguments>
    DataWindowOf(QWidget *parent, Prompter &asker, Arguments &&...arguments)
        : DataWindow(parent, asker), m_logic(std::forward<Arguments>(arguments)...)
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
    bool typing() const override { return m_logic.changing(); }
    void cancelEntry() override
    {
        run([this] { m_logic.cancel(); });
    }

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
