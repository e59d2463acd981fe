#include "clock/clock_identity.h"

#include "clock/clock_link.h"
#include "common/prompter.h"
#include "common/text_helpers.h"

#include <cmath>

namespace {

QString versionText(double v)
{
    return QString::number(v, 'f', 2);
}

QString serialText(const QByteArray &hex)
{
    return QStringLiteral("%1").arg(qint64(HexToNumber(hex)), 4, 10, QLatin1Char('0'));
}

bool sameCode(double a, double b)
{
    return std::abs(a - b) < 0.001;
}

// "v", version, model code, three digits, state and at least the first
// character of the serial number.
constexpr qsizetype IdentificationLength = 14;

} // namespace

QByteArray ReadClockInfo(ClockLink &link, ClockIdentity &identity)
{
    identity.LmdVersion = 0;
    identity.ModelCode = 0;
    link.setAddressPrefix(ClockLink::ClockPrefix);

    QByteArray r = link.SendCommand("v");
    if (r == "v")
        r = "E9";
    // Too short to hold a serial number (a lone byte, a cut answer): as
    // damaged as a bad checksum, and told, rather than an identification
    // without a serial that fails every command silently.
    if (!r.startsWith('E') && r.size() < IdentificationLength)
        r.clear();
    if (r.isEmpty()) {
        // A damaged reply identifies nothing; the link kept quiet about it.
        link.prompter().message(Message{LinkMessages::damagedReply(), LinkMessages::title(), MsgIcon::None,
                                        MsgButtons::Ok, 0, false});
        r = "E8";
    }
    if (r.startsWith('E')) {
        identity.LmdSerial.clear();
        return r;
    }
    identity.LmdVersion = LenientNumber(r.mid(1, 4)) / 100;
    identity.ModelCode = LenientNumber(r.mid(5, 4)) / 100;
    identity.LmdState = QByteArray::number(qint64(LenientNumber(r.mid(12, 1))));
    identity.LmdSerial = r.mid(13, 8);

    link.setAddressPrefix({});
    // A clock gone after its module answered is told once, not once for
    // each HCU question: the HCU values then read as none.
    QByteArray hcu = link.SendCommand("v");
    if (!IsLinkFailure(hcu))
        hcu = link.SendCommand("v");
    identity.HcuVersion = LenientNumber(hcu.right(3)) / 100;
    const QByteArray memory = IsLinkFailure(hcu) ? hcu : link.SendCommand("e00");
    identity.HcuSerial = memory.mid(3, 4);

    link.setAddressPrefix(ClockLink::ClockPrefix);
    return {};
}

QString LmdStateText(const QByteArray &state)
{
    if (state.isEmpty())
        return QStringLiteral("TAMREL NOT CONNECTED");
    if (state == "0")
        return QStringLiteral("No race in LMD ");
    if (state == "1")
        return QStringLiteral("LMD in race mode");
    if (state == "2")
        return QStringLiteral("Race flag in mode 2 (?)");
    if (state == "3")
        return QStringLiteral("LMD in Race Mode, no birds logged");
    if (state == "8")
        return QStringLiteral("New inventory in LMD");
    return {};
}

ClockStatusTexts StatusTextsFor(const ClockIdentity &identity)
{
    ClockStatusTexts t;
    if (sameCode(identity.ModelCode, 1.5))
        t.model = QStringLiteral("KORVE");
    else if (sameCode(identity.ModelCode, 2.16))
        t.model = QStringLiteral("TALMI");
    t.lmdVersion = versionText(identity.LmdVersion);
    t.lmdSerial = serialText(identity.LmdSerial);
    t.hcuVersion = versionText(identity.HcuVersion);
    t.hcuSerial = serialText(identity.HcuSerial);
    t.lmdState = LmdStateText(identity.LmdState);
    return t;
}
