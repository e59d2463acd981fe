#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A TAM race file's blocks: one per line, line ends (CR LF or LF) removed.
std::optional<QList<QByteArray>> ParseTamRaceFile(const QByteArray &text, QString *error);
std::optional<QList<QByteArray>> ReadTamRaceFile(const QString &path, QString *error);
