#pragma once

#include "admin_db/editing/record_editor.h"

#include <QStringList>

// What the club and the flyer window show alike: the list with its count
// line, the search field and the buttons.
struct ListWindowView {
    QStringList lines;
    bool listEnabled = false;
    int selectedRow = -1;
    QString countLine;
    QString search;
    bool searchEnabled = false;
    bool addEnabled = false;
    bool editEnabled = false;
    bool deleteEnabled = false;
    bool saveEnabled = false;
    bool cancelEnabled = false;
    bool endEnabled = false;
};

// Where a club or flyer window stands.
struct ListWindowState {
    bool browsing = false;
    // Adding or editing a record.
    bool changing = false;
    int selectedRow = -1;
    // Whether the list could be read.
    bool read = false;
    QStringList lines;
    QString search;
};

// An empty list shows noneLine; a list that could not be read shows nothing,
// as a none line would claim there is nothing. The count line counts the
// lines as counted ("Clubs Listed"). Browsing offers the list, the search,
// Add and End, and Edit and Delete for a chosen line. While a record is
// typed only Save and Cancel are offered: the list or the search would
// replace the fields.
ListWindowView ListWindowViewOf(const ListWindowState &state, const QString &noneLine, const QString &counted);

template <typename Focus>
ListWindowView ListWindowViewOf(const RecordEditor<Focus> &editor, const QStringList &lines, const QString &noneLine,
                                const QString &counted)
{
    return ListWindowViewOf(
        {editor.browsing(), editor.changing(), editor.selectedRow(), editor.listRead(), lines, editor.search()}, noneLine,
        counted);
}
