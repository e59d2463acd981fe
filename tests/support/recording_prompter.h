#pragma once

#include "common/prompter.h"

#include <QList>
#include <QQueue>

#include <functional>

// Records every message, input box and save dialog, and answers them from a
// script. An unscripted message gets its default button; an unscripted input
// or save dialog is cancelled.
class RecordingPrompter : public Prompter {
public:
    MsgAnswer message(const Message &m) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    QString saveFileName(const SaveFileRequest &request) override;
    void beep() override { ++beeps; }

    void answerNext(MsgAnswer answer) { m_answers.enqueue(answer); }
    void inputNext(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }
    void saveNext(const QString &path) { m_saves.enqueue(path); }

    QList<Message> messages;
    QStringList inputPrompts;
    QList<SaveFileRequest> saveRequests;
    int beeps = 0;
    // Called as each message box opens, to look at the state it waits in.
    std::function<void(const Message &)> whenAsked;

    // Message texts only, for compact assertions.
    QStringList texts() const;
    void reset();

private:
    QQueue<MsgAnswer> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<QString> m_saves;
};
