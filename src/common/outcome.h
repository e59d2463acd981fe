#pragma once

#include <QString>

// How an operation ended that can fail for a reason the user is told.
struct [[nodiscard]] Outcome {
    bool ok = true;
    QString message;   // why it failed, as the user reads it

    static Outcome success() { return {}; }
    static Outcome failure(const QString &why) { return {false, why}; }
};
