#pragma once

#include "common/character_rules.h"

#include <QValidator>

class QLineEdit;

// Entering the field by focus selects its whole text, so typing replaces it.
void SelectAllOnFocus(QLineEdit *field);

// Lets only accepted characters into a field; a paste with any other
// character is refused whole, so nothing half-typed slips through.
class CharacterValidator : public QValidator {
public:
    CharacterValidator(CharacterRule accepts, QObject *parent)
        : QValidator(parent), m_accepts(accepts) {}

    State validate(QString &input, int &pos) const override;

private:
    CharacterRule m_accepts;
};
