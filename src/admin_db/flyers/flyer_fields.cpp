#include "admin_db/flyers/flyer_fields.h"

QString &flyerFieldText(FlyerFields &fields, FlyerField field)
{
    switch (field) {
    case FlyerField::Name: return fields.name;
    case FlyerField::Address: return fields.address;
    case FlyerField::City: return fields.city;
    case FlyerField::Phone: return fields.phone;
    case FlyerField::Email: return fields.email;
    case FlyerField::Longitude: return fields.longitude;
    case FlyerField::Latitude: return fields.latitude;
    }
    return fields.name;
}

int FlyerFieldLimit(FlyerField field)
{
    switch (field) {
    case FlyerField::Name: return 20;
    case FlyerField::Phone: return 15;
    case FlyerField::Longitude:
    case FlyerField::Latitude: return 7;
    case FlyerField::Address:
    case FlyerField::City:
    case FlyerField::Email: return 50;
    }
    return 0;
}

CharacterRule FlyerFieldRule(FlyerField field)
{
    return field == FlyerField::Longitude || field == FlyerField::Latitude ? IsDigit : IsNameCharacter;
}

bool FitsFlyerField(FlyerField field, const QString &text)
{
    return FitsField(text, FlyerFieldLimit(field), FlyerFieldRule(field));
}
