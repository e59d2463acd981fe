#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A whole file's bytes; nothing, with *error naming the file, when it cannot
// be read.
std::optional<QByteArray> ReadFileBytes(const QString &path, QString *error);

// Runs a parser over a file's bytes and puts the file's name before a
// parser's complaint.
template <typename Parser>
auto ParseFile(const QString &path, QString *error, Parser parse) -> decltype(parse(QByteArray(), error))
{
    const auto bytes = ReadFileBytes(path, error);
    if (!bytes)
        return std::nullopt;
    auto parsed = parse(*bytes, error);
    if (!parsed)
        *error = path + QStringLiteral(", ") + *error;
    return parsed;
}
