#include "recording_prompter.h"

MsgAnswer RecordingPrompter::message(const Message &m)
{
    messages.append(m);
    if (whenAsked)
        whenAsked(m);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    const QList<MsgAnswer> answers = answersOf(m.buttons);
    return answers.value(m.defaultButton, answers.constFirst());
}

std::optional<QString> RecordingPrompter::input(const QString &prompt, const QString &, const QString &)
{
    inputPrompts.append(prompt);
    if (!m_inputs.isEmpty())
        return m_inputs.dequeue();
    return std::nullopt;
}

QString RecordingPrompter::saveFileName(const SaveFileRequest &request)
{
    saveRequests.append(request);
    return m_saves.isEmpty() ? QString() : m_saves.dequeue();
}

QStringList RecordingPrompter::texts() const
{
    QStringList out;
    for (const Message &m : messages)
        out.append(m.text);
    return out;
}

void RecordingPrompter::reset()
{
    messages.clear();
    inputPrompts.clear();
    saveRequests.clear();
    beeps = 0;
    whenAsked = nullptr;
    m_answers.clear();
    m_inputs.clear();
    m_saves.clear();
}
