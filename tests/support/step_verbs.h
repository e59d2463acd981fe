#pragma once

#include "recording_prompter.h"
#include "scratch_database.h"

#include <QHash>
#include <QStringList>
#include <QTest>

#include <functional>

// A script step of the logic tests is a verb and the rest of its line:
// "click 1", "name Lake View", "delete yes".
template <typename Target> using StepVerbs = QHash<QString, std::function<void(Target &, const QString &rest)>>;

// Takes a script's steps; focus keeps where the last step that moved it
// put it.
template <typename Logic, typename Focus>
void TakeSteps(Logic &logic, const StepVerbs<Logic> &verbs, const QStringList &script, Focus &focus)
{
    for (const QString &step : script) {
        const auto action = verbs.constFind(step.section(QLatin1Char(' '), 0, 0));
        if (action == verbs.cend())
            qFatal("unknown step %s", qPrintable(step));
        (*action)(logic, step.section(QLatin1Char(' '), 1));
        if (const Focus f = logic.takeFocus(); f != Focus::None)
            focus = f;
    }
}

// A verb that calls a member without the rest of its step.
template <typename Member> auto Call(Member member)
{
    return [member](auto &target, const QString &) { (target.*member)(); };
}

// "delete yes": the next question is answered so, then the member is called.
template <typename Member> auto Answered(RecordingPrompter &prompter, Member member)
{
    return [&prompter, member](auto &target, const QString &rest) {
        prompter.answerNext(rest == QLatin1String("yes") ? MsgAnswer::Yes : MsgAnswer::No);
        (target.*member)();
    };
}

// Add, edit, save and cancel, as every data window's logic offers them, and
// the end that closing the window brings.
template <typename Logic> StepVerbs<Logic> RecordVerbs(StepVerbs<Logic> more)
{
    more.insert(StepVerbs<Logic>{{"add", Call(&Logic::addNew)},
                                 {"edit", Call(&Logic::edit)},
                                 {"save", Call(&Logic::save)},
                                 {"cancel", Call(&Logic::cancel)},
                                 {"close", Call(&Logic::end)}});
    return more;
}

// Verbs that type into the field their position names: "name Lake".
template <typename Logic, typename Field>
void AddFieldVerbs(StepVerbs<Logic> &verbs, const QStringList &fields,
                   void (Logic::*edited)(Field, const QString &))
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        verbs.insert(fields.at(i), [i, edited](Logic &l, const QString &text) { (l.*edited)(Field(i), text); });
}

// "add edit end": the names whose flag is set, in order.
inline QString EnabledNames(std::initializer_list<std::pair<bool, const char *>> flags)
{
    QStringList on;
    for (const auto &[enabled, name] : flags) {
        if (enabled)
            on.append(QLatin1String(name));
    }
    return on.join(QLatin1Char(' '));
}

// The script's last step fails on the broken file: it says so, with message
// in its text, and leaves the window as it was; whileFailed checks more.
// Once the file is back, the same step is taken again.
template <typename Rig>
void FailThenRetry(Rig &rig, const ScratchDatabase &scratch, const QString &fault, const QStringList &script,
                   const QString &message, const std::function<void()> &whileFailed = {})
{
    rig.steps(script.mid(0, script.size() - 1));
    FileFault broken(scratch, fault);
    const QString before = rig.view();
    rig.step(script.constLast());
    QVERIFY(!rig.prompter.messages.isEmpty());
    const QString text = rig.prompter.messages.constLast().text;
    QVERIFY2(text.contains(message), qPrintable(text));
    QCOMPARE(rig.view(), before);
    if (whileFailed)
        whileFailed();
    broken.mend();
    rig.step(script.constLast());
}
