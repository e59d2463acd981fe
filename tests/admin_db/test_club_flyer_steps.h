#pragma once

#include "admin_db/editing/list_window_view.h"

#include <QString>
#include <QStringList>

// The steps of a test script that the club and the flyer window's logic take
// alike: "click 1", "add", "edit", "save", "cancel", "search lake" and
// "enter search". false for any other step.
template <typename Logic> bool TakeCommonStep(Logic &logic, const QString &step)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString rest = step.section(QLatin1Char(' '), 1);
    if (verb == QLatin1String("click"))
        logic.clickRow(rest.toInt());
    else if (verb == QLatin1String("add"))
        logic.addNew();
    else if (verb == QLatin1String("edit"))
        logic.edit();
    else if (verb == QLatin1String("save"))
        logic.save();
    else if (verb == QLatin1String("cancel"))
        logic.cancel();
    else if (verb == QLatin1String("search"))
        logic.searchEdited(rest);
    else if (step == QLatin1String("enter search"))
        logic.searchEntered();
    else
        return false;
    return true;
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
    QStringList on;
    const std::pair<bool, const char *> buttons[] = {{v.addEnabled, "add"},       {v.editEnabled, "edit"},
                                                     {v.deleteEnabled, "delete"}, {v.saveEnabled, "save"},
                                                     {v.cancelEnabled, "cancel"}, {v.endEnabled, "end"}};
    for (const auto &[enabled, name] : buttons) {
        if (enabled)
            on.append(QLatin1String(name));
    }
    return QStringLiteral("%1 | %2 | list %3")
        .arg(on.join(QLatin1Char(' ')))
        .arg(v.selectedRow)
        .arg(QLatin1String(v.listEnabled ? "on" : "off"));
}

inline QLatin1String OnOff(bool on)
{
    return QLatin1String(on ? "on" : "off");
}
