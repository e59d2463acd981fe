#include "admin_db/editing/list_window_view.h"

#include "admin_db/clubs/club_list_line.h"

ListWindowView ListWindowViewOf(const ListWindowState &state, const QString &noneLine, const QString &counted)
{
    ListWindowView v;
    if (state.read) {
        v.lines = state.lines.isEmpty() ? QStringList{noneLine} : state.lines;
        v.countLine = ListedCountLine(state.lines.size(), counted);
    }
    v.listEnabled = state.browsing && !state.lines.isEmpty();
    v.selectedRow = state.selectedRow;
    v.search = state.search;
    v.searchEnabled = state.browsing;
    v.addEnabled = state.browsing;
    v.editEnabled = state.browsing && state.selectedRow >= 0;
    v.deleteEnabled = v.editEnabled;
    v.saveEnabled = state.changing;
    v.cancelEnabled = state.changing;
    v.endEnabled = state.browsing;
    return v;
}
