#pragma once

#include "admin_db/db/jet_error.h"
#include "admin_db/editing/entry_messages.h"

#include <QList>
#include <utility>

class Prompter;

// Where a data window stands, the same in all four: closed, browsing its
// list, or adding or editing one record; which line is chosen; where the
// focus goes after the last action. A window offers the list only while
// browsing: a click while a record is typed would replace the fields.
template <typename Focus>
class RecordEditor {
public:
    void open() { m_mode = Mode::Browsing; }
    void close() { m_mode = Mode::Closed; }
    bool browsing() const { return m_mode == Mode::Browsing; }
    bool adding() const { return m_mode == Mode::Adding; }
    bool editing() const { return m_mode == Mode::Editing; }
    bool changing() const { return adding() || editing(); }
    // Back to browsing after a record was stored or given up.
    void stopChanging() { m_mode = Mode::Browsing; }

    // From browsing only; focus: the field typed first.
    bool startAdding(Focus focus) { return start(Mode::Adding, browsing(), focus); }
    // The chosen record, from browsing only.
    bool startEditing(Focus focus) { return start(Mode::Editing, browsing() && chosen(), focus); }

    int selectedRow() const { return m_selectedRow; }
    bool chosen() const { return m_selectedRow >= 0; }
    // Whether a click on row of a list of count lines counts.
    bool clickable(int row, qsizetype count) const { return browsing() && row >= 0 && row < count; }
    void choose(int row) { m_selectedRow = row; }
    void forgetChoice() { m_selectedRow = -1; }

    void focus(Focus focus) { m_focus = focus; }
    // Where the last action put the focus, once.
    Focus takeFocus() { return std::exchange(m_focus, Focus::None); }

    // Lists the records read; a failure is reported and leaves the list empty
    // and unread, so that no line claims there are none. The choice is
    // forgotten either way.
    template <typename Record, typename Read>
    bool readList(QList<Record> &list, Prompter &prompter, Read read)
    {
        m_selectedRow = -1;
        try {
            list = read();
            m_listRead = true;
        } catch (const JetError &e) {
            list.clear();
            m_listRead = false;
            ShowUnexpectedError(prompter, e);
        }
        return m_listRead;
    }
    bool listRead() const { return m_listRead; }
    void setListRead(bool read) { m_listRead = read; }

private:
    enum class Mode { Closed, Browsing, Adding, Editing };

    bool start(Mode mode, bool allowed, Focus focus)
    {
        if (!allowed)
            return false;
        m_mode = mode;
        m_focus = focus;
        return true;
    }

    Mode m_mode = Mode::Closed;
    int m_selectedRow = -1;
    bool m_listRead = false;
    Focus m_focus = Focus::None;
};
