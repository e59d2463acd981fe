#include "race_data/save_tam_race_data.h"

#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "common/folders.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "race_data/tam_file_names.h"
#include "race_data/tam_file_writer.h"

#include <QFileInfo>

namespace {

const QString SaveTitle = QStringLiteral("Save Race Data");

// The name to write under, or empty when the user keeps the race data
// unsaved; tells the user why.
QByteArray chooseName(const RaceImage &image, const Folders &folders, Prompter &prompter)
{
    const QByteArray normal = NormalTamName(image.constFirst());
    if (!IsUsableTamName(normal)) {
        prompter.inform(QStringLiteral("Invalid file name - ") + toText(normal));
        return {};
    }
    if (!QFileInfo::exists(folders.inRaceDir(toText(normal))))
        return normal;
    switch (prompter.message(Message{QStringLiteral("File already exists!  Do you want to replace it?"), SaveTitle,
                                     MsgIcon::Question, MsgButtons::YesNoCancel, 0, false})) {
    case MsgAnswer::Yes:
        return normal;
    case MsgAnswer::No: {
        const QByteArray alternative = AlternativeTamName(image.constFirst());
        if (IsUsableTamName(alternative))
            return alternative;
        prompter.inform(QStringLiteral("Invalid file name - ") + toText(alternative));
        return {};
    }
    default:
        prompter.inform(QStringLiteral("Race data not saved."));
        return {};
    }
}

} // namespace

void SaveTamRaceData(TransferContext &context, const Folders &folders)
{
    const std::optional<RaceReadout> read =
        ReadRaceMemoryToSave(context, TamBlockCapacity, QStringLiteral("    No race data in LMD"));
    if (!read)
        return;
    const RaceReadout &readout = *read;
    const QByteArray name = chooseName(readout.blocks, folders, context.prompter);
    if (name.isEmpty())
        return;

    const QString folder = Folders::native(folders.raceDir());
    const Outcome written = WriteTamRaceFile(folders.inRaceDir(toText(name)), readout.blocks);
    if (!written.ok) {
        context.prompter.message(Message{QStringLiteral("Race data file ") + toText(name)
                                             + QStringLiteral(" could not be saved to ") + folder + CRLF
                                             + QStringLiteral("It could not be written: ") + written.message
                                             + QLatin1Char('.'),
                                         SaveTitle, MsgIcon::Critical, MsgButtons::Ok, 0, false});
        return;
    }
    context.prompter.inform(QStringLiteral("Race data file ") + toText(name) + QStringLiteral(" saved to ") + folder);

    const QString notes = ReadoutNotes(readout);
    if (!notes.isEmpty())
        context.prompter.message(Message{notes, SaveTitle, MsgIcon::Exclamation, MsgButtons::Ok, 0, false});
}
