#include "module_file.h"

#include "file_bytes.h"
#include "identity_values.h"

#include <QSaveFile>

namespace {

QByteArray escaped(const QByteArray &text)
{
    QByteArray out;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\')
            out += "\\\\";
        else if (b < 0x20 || b > 0x7E)
            out += "\\x" + QByteArray(1, c).toHex().toUpper();
        else
            out += c;
    }
    return out;
}

std::optional<QByteArray> unescaped(const QByteArray &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != '\\') {
            out += text.at(i);
        } else if (text.mid(i + 1, 1) == "\\") {
            out += '\\';
            i += 1;
        } else if (text.mid(i + 1, 1) == "x" && ParseHex(text.mid(i + 2, 2), 2)) {
            out += QByteArray::fromHex(text.mid(i + 2, 2));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// The text between the first and the last bar of a value.
std::optional<QByteArray> barredText(const QByteArray &value)
{
    if (value.size() < 2 || !value.startsWith('|') || !value.endsWith('|'))
        return std::nullopt;
    const auto text = unescaped(value.mid(1, value.size() - 2));
    if (!text || !FitsInFrame(*text))
        return std::nullopt;
    return text;
}

template <typename T>
bool take(const std::optional<T> &parsed, T &into)
{
    if (parsed)
        into = *parsed;
    return parsed.has_value();
}

// Stores one "key value" line; false when either is not understood.
bool applyLine(Module &m, const QByteArray &key, const QByteArray &value)
{
    ModuleIdentity &id = m.identity;
    if (key == "model")
        return take(ParseModel(value), id.model);
    if (key == "lmd-version")
        return take(ParseVersion(value, MaxLmdVersion), id.lmdVersion);
    if (key == "state")
        return take(ParseState(value), id.state);
    if (key == "serial")
        return take(ParseHex(value, 8), id.serial);
    if (key == "hcu-version")
        return take(ParseVersion(value, MaxHcuVersion), id.hcuVersion);
    if (key == "hcu-serial")
        return take(ParseHex(value, 4), id.hcuSerial);

    QList<QByteArray> *list = key == "race"       ? &m.raceLines
                            : key == "admin"      ? &m.adminRecords
                            : key == "liberation" ? &m.liberationPoints
                                                  : nullptr;
    const auto text = barredText(value);
    if (!list || !text)
        return false;
    list->append(*text);
    return true;
}

} // namespace

QByteArray ModuleFileText(const Module &m)
{
    const ModuleIdentity &id = m.identity;
    QByteArray out = "# tamrel-clocksim memory module\n";
    out += "model " + ModelName(id.model) + '\n';
    out += "lmd-version " + VersionText(id.lmdVersion) + '\n';
    out += "state " + QByteArray(1, id.state) + '\n';
    out += "serial " + id.serial + '\n';
    out += "hcu-version " + VersionText(id.hcuVersion) + '\n';
    out += "hcu-serial " + id.hcuSerial + '\n';
    const auto lines = [&out](const char *key, const QList<QByteArray> &texts) {
        for (const QByteArray &t : texts)
            out += QByteArray(key) + " |" + escaped(t) + "|\n";
    };
    lines("race", m.raceLines);
    lines("admin", m.adminRecords);
    lines("liberation", m.liberationPoints);
    return out;
}

std::optional<Module> ParseModuleFile(const QByteArray &text, QString *error)
{
    Module m;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype blank = line.indexOf(' ');
        const QByteArray key = line.left(blank);
        const QByteArray value = blank < 0 ? QByteArray() : line.mid(blank + 1);
        if (!applyLine(m, key, value)) {
            *error = QStringLiteral("line %1: cannot read \"%2\"").arg(i + 1).arg(QString::fromLatin1(line));
            return std::nullopt;
        }
    }
    return m;
}

std::optional<Module> ReadModuleFile(const QString &path, QString *error)
{
    return ParseFile(path, error, ParseModuleFile);
}

bool WriteModuleFile(const QString &path, const Module &module, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(ModuleFileText(module)) >= 0 && file.commit())
        return true;
    *error = path + QStringLiteral(": ") + file.errorString();
    return false;
}
