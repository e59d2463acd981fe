#include "stderr_prompter.h"

#include <cstdio>

MsgAnswer StderrPrompter::message(const Message &m)
{
    ++messages;
    std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
    const QList<MsgAnswer> answers = answersOf(m.buttons);
    return answers.value(m.defaultButton, answers.constFirst());
}

std::optional<QString> StderrPrompter::input(const QString &prompt, const QString &, const QString &)
{
    std::fprintf(stderr, "input cancelled: %s\n", qPrintable(prompt));
    return std::nullopt;
}

QString StderrPrompter::saveFileName(const SaveFileRequest &request)
{
    std::fprintf(stderr, "save cancelled: %s\n", qPrintable(request.title));
    return {};
}
