#include "admin_db/editing/entry_messages.h"

#include "admin_db/db/jet_error.h"
#include "common/prompter.h"
#include "common/unexpected_error.h"

void ShowEntryError(Prompter &prompter, const QString &text)
{
    prompter.message(Message{text, QStringLiteral("Error"), MsgIcon::Critical, MsgButtons::Ok, 0, false});
}

void ShowUnexpectedError(Prompter &prompter, const JetError &error)
{
    prompter.inform(UnexpectedErrorText(error.description(), error.number()));
}

bool ConfirmDelete(Prompter &prompter, const QString &question)
{
    return prompter.message(Message{question, QStringLiteral("Delete Record"), MsgIcon::None, MsgButtons::YesNo, 1,
                                    false})
        == MsgAnswer::Yes;
}
