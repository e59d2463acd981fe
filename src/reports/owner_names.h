#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Who owns a clocked bird, as the report asks: the database in the program,
// anything that answers in tests and fuzzing.
class OwnerNames {
public:
    virtual ~OwnerNames() = default;
    // The owner's name; nothing when the bird or its flyer is not known.
    // band: the 14 characters an arrival line begins with.
    virtual std::optional<QString> ownerOf(const QByteArray &band) = 0;
};
