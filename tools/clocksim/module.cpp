#include "module.h"

#include "clock/control_chars.h"

int BirdLimit(ClockModel model)
{
    return model == ClockModel::Talmi ? 999 : 500;
}

bool FitsInFrame(const QByteArray &text)
{
    return !text.contains(Ctl::STX) && !text.contains(Ctl::ETX);
}
