#include "sim_options.h"

#include "identity_values.h"

#include <QCommandLineParser>

const char SimUsage[] =
    "usage: tamrel-clocksim --link PATH [--lmd FILE] [--race TAMFILE] [--model korve|talmi]\n"
    "       [--lmd-version V] [--state D] [--serial HEX8] [--hcu-version V] [--hcu-serial HEX4]\n"
    "       [--direct-data] [--pace-baud N] [--fault KIND=PERCENT[,...]] [--seed N] [--log FILE]\n"
    "fault kinds: nak checksum lose silence slow dupack stxpause; busy=MS is a time, not a rate\n";

namespace {

// Reads one option's value if it was given; false when it was and is wrong.
// *error comes in empty; a reader may leave its reason there.
template <typename T, typename Reader>
bool readOption(const QCommandLineParser &p, const QString &name, std::optional<T> &into, Reader read,
                QString *error)
{
    if (!p.isSet(name))
        return true;
    into = read(p.value(name).toLatin1());
    if (!into) {
        const QString reason = error->isEmpty() ? QString() : QStringLiteral(": ") + *error;
        *error = QStringLiteral("cannot read --%1 %2").arg(name, p.value(name)) + reason;
    }
    return into.has_value();
}

std::optional<int> positive(const QByteArray &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n > 0 ? std::optional<int>(n) : std::nullopt;
}

std::optional<quint32> seedNumber(const QByteArray &text)
{
    bool ok = false;
    const quint32 n = text.toUInt(&ok);
    return ok ? std::optional<quint32>(n) : std::nullopt;
}

} // namespace

std::optional<SimOptions> ParseSimOptions(const QStringList &arguments, QString *error)
{
    QCommandLineParser p;
    for (const char *name : {"link", "lmd", "race", "model", "lmd-version", "state", "serial", "hcu-version",
                             "hcu-serial", "pace-baud", "fault", "seed", "log"})
        p.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    p.addOption(QCommandLineOption(QStringLiteral("direct-data")));
    if (!p.parse(arguments)) {
        *error = p.errorText();
        return std::nullopt;
    }
    if (!p.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument ") + p.positionalArguments().constFirst();
        return std::nullopt;
    }
    SimOptions o;
    o.linkPath = p.value(QStringLiteral("link"));
    if (o.linkPath.isEmpty()) {
        *error = QStringLiteral("--link PATH is needed");
        return std::nullopt;
    }
    o.lmdPath = p.value(QStringLiteral("lmd"));
    o.racePath = p.value(QStringLiteral("race"));
    o.logPath = p.value(QStringLiteral("log"));
    o.directData = p.isSet(QStringLiteral("direct-data"));

    std::optional<int> baud;
    std::optional<quint32> seed;
    std::optional<FaultRates> faults;
    const auto hex = [](int digits) { return [digits](const QByteArray &t) { return ParseHex(t, digits); }; };
    const auto version = [](int max) { return [max](const QByteArray &t) { return ParseVersion(t, max); }; };
    const bool ok = readOption(p, QStringLiteral("model"), o.model, ParseModel, error)
                 && readOption(p, QStringLiteral("lmd-version"), o.lmdVersion, version(MaxLmdVersion), error)
                 && readOption(p, QStringLiteral("state"), o.state, ParseState, error)
                 && readOption(p, QStringLiteral("serial"), o.serial, hex(8), error)
                 && readOption(p, QStringLiteral("hcu-version"), o.hcuVersion, version(MaxHcuVersion), error)
                 && readOption(p, QStringLiteral("hcu-serial"), o.hcuSerial, hex(4), error)
                 && readOption(p, QStringLiteral("pace-baud"), baud, positive, error)
                 && readOption(p, QStringLiteral("seed"), seed, seedNumber, error)
                 && readOption(p, QStringLiteral("fault"), faults,
                               [error](const QByteArray &t) { return FaultRates::parse(QString::fromLatin1(t), error); },
                               error);
    if (!ok)
        return std::nullopt;
    o.paceBaud = baud.value_or(0);
    o.seed = seed.value_or(o.seed);
    o.faults = faults.value_or(FaultRates{});
    return o;
}

void ApplyIdentityOptions(const SimOptions &o, ModuleIdentity &id)
{
    id.model = o.model.value_or(id.model);
    id.lmdVersion = o.lmdVersion.value_or(id.lmdVersion);
    id.state = o.state.value_or(id.state);
    id.serial = o.serial.value_or(id.serial);
    id.hcuVersion = o.hcuVersion.value_or(id.hcuVersion);
    id.hcuSerial = o.hcuSerial.value_or(id.hcuSerial);
}
