#pragma once

#include "admin_db/db/jet_error.h"
#include "admin_db/editing/entry_messages.h"

#include <QList>
#include <QString>
#include <utility>

class Prompter;

// What the four data windows share: where the window stands (closed,
// browsing its list, or adding or editing one record), which line is chosen,
// and where the focus goes after the last action. A window offers the list
// only while browsing: a click while a record is typed would replace the
// fields. Each window's logic derives from it.
template <typename Focus>
class RecordEditor {
public:
    virtual ~RecordEditor() = default;

    bool adding() const { return m_mode == Mode::Adding; }
    bool editing() const { return m_mode == Mode::Editing; }
    // Edits the chosen record, from browsing only.
    virtual void edit() { start(Mode::Editing, browsing() && chosen(), m_editFocus); }
    // Stores what is typed: the window's own routine for a new record or
    // for the chosen one.
    virtual void save()
    {
        if (adding())
            storeNew();
        else if (editing())
            storeChanged();
    }
    // Where the last action put the focus, once.
    Focus takeFocus() { return std::exchange(m_focus, Focus::None); }

    // Windows with a search field: typing in it lists anew, and so does
    // a click or tab into it, forgetting the record shown.
    void searchEdited(const QString &text)
    {
        if (!browsing())
            return;
        m_search = text;
        searchEntered();
    }
    void searchEntered()
    {
        if (browsing())
            listSearched();
    }
    const QString &search() const { return m_search; }

    bool browsing() const { return m_mode == Mode::Browsing; }
    bool changing() const { return adding() || editing(); }
    int selectedRow() const { return m_selectedRow; }
    bool chosen() const { return m_selectedRow >= 0; }
    bool listRead() const { return m_listRead; }

protected:
    // editFocus: the field an edit starts in.
    explicit RecordEditor(Focus editFocus) : m_editFocus(editFocus) {}

    virtual void storeNew() {}
    virtual void storeChanged() {}
    // Empties the fields and lists what the search text finds.
    virtual void listSearched() {}
    void clearSearch() { m_search.clear(); }

    void startBrowsing() { m_mode = Mode::Browsing; }
    void closeEditor() { m_mode = Mode::Closed; }
    // Back to browsing after a record was stored or given up.
    void stopChanging() { m_mode = Mode::Browsing; }
    // From browsing only; focus: the field typed first.
    bool startAdding(Focus focus) { return start(Mode::Adding, browsing(), focus); }

    // Whether a click on row of a list of count lines counts.
    bool clickable(int row, qsizetype count) const { return browsing() && row >= 0 && row < count; }
    void choose(int row) { m_selectedRow = row; }
    void forgetChoice() { m_selectedRow = -1; }
    void focus(Focus focus) { m_focus = focus; }

    // Lists the records read; a failure is told through tell and leaves the
    // list empty and unread, so that no line claims there are none. The
    // choice is forgotten either way.
    template <typename Record, typename Read, typename Tell>
    bool readList(QList<Record> &list, Read read, Tell tell)
    {
        m_selectedRow = -1;
        try {
            list = read();
            m_listRead = true;
        } catch (const JetError &e) {
            list.clear();
            m_listRead = false;
            tell(e);
        }
        return m_listRead;
    }
    // A failure told as one the window did not expect.
    template <typename Record, typename Read>
    bool readList(QList<Record> &list, Prompter &prompter, Read read)
    {
        return readList(list, read, [&prompter](const JetError &e) { ShowUnexpectedError(prompter, e); });
    }

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

    Focus m_editFocus;
    QString m_search;
    Mode m_mode = Mode::Closed;
    int m_selectedRow = -1;
    bool m_listRead = false;
    Focus m_focus = Focus::None;
};
