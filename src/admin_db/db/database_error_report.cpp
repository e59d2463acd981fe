#include "admin_db/db/database_error_report.h"

#include "admin_db/db/jet_error.h"
#include "common/text_helpers.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/prompter.h"

namespace {

QString reasonFor(int jetNumber, const QString &programFolder)
{
    switch (jetNumber) {
    case JetCode::FileNotFound:
        return QStringLiteral("Make sure that 'tamreldata.mdb' is in the") + CRLF
             + QLatin1Char('\'') + programFolder + QLatin1Char('\'') + CRLF
             + QStringLiteral("folder ") + CRLF;
    case JetCode::WrongPassword:
        return QStringLiteral("An incorrect version of the database is detected") + CRLF;
    case JetCode::FileLocked:
        return QStringLiteral("Make sure the Read Only Property is NOT checked") + CRLF;
    default:
        return QStringLiteral("Reason unknown ! Error # ") + toText(SignedNumberText(jetNumber)) + CRLF
             + QStringLiteral("Call Calmeer Electronics to report this error");
    }
}

} // namespace

void ReportDatabaseError(Prompter &prompter, int jetNumber, const QString &programFolder)
{
    const QString text = QStringLiteral("The file 'tamreldata.mdb' is not accessable!") + CRLF + CRLF
                       + reasonFor(jetNumber, programFolder)
                       + CRLF + QStringLiteral("Functions that access the DataBase are disabled!!!");
    prompter.message(Message{text, QStringLiteral(" TAMREL Database Unavailable"), MsgIcon::Critical,
                             MsgButtons::Ok, 0, true});
}
