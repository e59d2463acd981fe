#pragma once

#include "common/character_rules.h"

#include <QString>
#include <QStringList>

// The five settings as the configuration window holds them while the program
// runs; other parts of the program read them here.
struct ConfigFields {
    QString nationalOrg = QStringLiteral("AU");
    QString concourse = QStringLiteral("0000");
    QString combine = QStringLiteral("00");
    QString combineName = QStringLiteral("Default");
    QString comPort = QStringLiteral("1");
    // A port chosen by its name where no number names it; empty otherwise.
    QString comDevice;
};

// What a field accepts, character by character.
struct FieldRule {
    int maxLength;
    CharacterRule accepts;

    bool acceptsText(const QString &text) const;
    // A text cut down to what the field would have let the user type.
    QString fit(const QString &text) const;
};

namespace ConfigRules {
// "AU", "CA", "CU", "IF", "MX", "NP", "US", in this order.
QStringList nationalOrgs();
extern const FieldRule concourse;
extern const FieldRule combine;
extern const FieldRule combineName;
extern const FieldRule comPort;
} // namespace ConfigRules

// The texts the store keeps for the fields.
QString StoredConcourse(const QString &field);
QString StoredCombine(const QString &field);
QString StoredCombineName(const QString &field);

// "Tamrel", five blanks, "Concourse = 0000 Combine = 00".
QString MainWindowTitle(const ConfigFields &fields);
