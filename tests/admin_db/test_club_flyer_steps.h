#pragma once

#include "admin_db/editing/list_window_view.h"
#include "step_verbs.h"

#include <QString>
#include <QStringList>

// The steps the club and the flyer window's logic take alike: "click 1",
// "add", "edit", "save", "cancel", "search lake", "enter search", and more.
template <typename Logic> StepVerbs<Logic> ListWindowVerbs(const StepVerbs<Logic> &more)
{
    StepVerbs<Logic> verbs = RecordVerbs<Logic>({{"click", [](Logic &l, const QString &row) { l.clickRow(row.toInt()); }},
                                                 {"search", [](Logic &l, const QString &text) { l.searchEdited(text); }},
                                                 {"enter", Call(&Logic::searchEntered)}});
    verbs.insert(more);
    return verbs;
}

// Runs a script through rig.step; the focus its last step gave.
template <typename Rig> auto RunSteps(Rig &rig, const QStringList &script)
{
    decltype(rig.step(QString())) focus{};
    for (const QString &s : script)
        focus = rig.step(s);
    return focus;
}

// "add edit end | 1 | list on": the buttons offered, the selected line and
// whether the list takes clicks.
inline QString ListWindowText(const ListWindowView &v)
{
    return QStringLiteral("%1 | %2 | list %3")
        .arg(EnabledNames({{v.addEnabled, "add"}, {v.editEnabled, "edit"}, {v.deleteEnabled, "delete"},
                           {v.saveEnabled, "save"}, {v.cancelEnabled, "cancel"}, {v.endEnabled, "end"}}))
        .arg(v.selectedRow)
        .arg(QLatin1String(v.listEnabled ? "on" : "off"));
}

inline QLatin1String OnOff(bool on)
{
    return QLatin1String(on ? "on" : "off");
}
