#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every question and message the program puts to the user goes through a
// Prompter, so windows and commands can be driven from tests with scripted
// answers instead of real message boxes.

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Message {
    QString text;
    QString title;                  // empty: the program's own title
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    int defaultButton = 0;          // index into the buttons, left to right
    bool systemModal = false;
};

// The answers a button set offers, left to right.
QList<MsgAnswer> answersOf(MsgButtons buttons);

struct SaveFileRequest {
    QString title;
    QString folder;
    QString fileName;               // proposed name
    QString filter;                 // e.g. "Ventaro files (*.D00)"
    // Off where the command adds to an existing file rather than replacing it.
    bool confirmOverwrite = true;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MsgAnswer message(const Message &m) = 0;
    // An input box; nullopt when the user cancels.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultText) = 0;
    // A save dialog; empty when the user cancels.
    virtual QString saveFileName(const SaveFileRequest &request) = 0;
    // The system's warning sound, for an answer that is asked again.
    virtual void beep() = 0;

    // A plain OK box with the program's title: the most common case.
    void inform(const QString &text) { message(Message{text, {}, MsgIcon::None, MsgButtons::Ok, 0, false}); }
};

// The title message boxes carry when a caller names none.
inline QString programTitle() { return QStringLiteral("Tamrel"); }
