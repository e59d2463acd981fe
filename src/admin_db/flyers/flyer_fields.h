#pragma once

#include "common/character_rules.h"

#include <QString>
#include <array>

// The seven fields of the flyer window as typed.
struct FlyerFields {
    QString name;
    QString address;
    QString city;
    QString phone;
    QString email;
    QString longitude;
    QString latitude;
};

enum class FlyerField { Name, Address, City, Phone, Email, Longitude, Latitude };
inline constexpr std::array<FlyerField, 7> AllFlyerFields{FlyerField::Name,  FlyerField::Address,
                                                          FlyerField::City,  FlyerField::Phone,
                                                          FlyerField::Email, FlyerField::Longitude,
                                                          FlyerField::Latitude};

QString &flyerFieldText(FlyerFields &fields, FlyerField field);

// The most characters the field takes.
int FlyerFieldLimit(FlyerField field);
// Longitude and latitude take digits only, the others name characters.
CharacterRule FlyerFieldRule(FlyerField field);
bool FitsFlyerField(FlyerField field, const QString &text);

// A stored flyer: his number, his club's number and his fields.
struct Flyer {
    qint64 key = 0;
    qint64 clubId = 0;
    FlyerFields fields;
};
