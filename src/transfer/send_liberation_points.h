#pragma once

#include <QByteArray>
#include <QList>

struct LiberationRace;
struct TransferContext;

// "I0" and the body of one liberation point: race number (two digits), day,
// month, name (eight characters) and type.
QByteArray LiberationCommand(const LiberationRace &race);

// The module's liberation memory holds this many points.
inline constexpr int MaxLiberationPoints = 99;

// The liberation window's "Send to Tamrel": empties the module's liberation
// memory ("IC0"), then sends every race. Refuses a list the module cannot
// hold before anything goes to the clock; stops at the first command the
// clock does not take and tells the user to send them again.
void SendLiberationPoints(TransferContext &context, const QList<LiberationRace> &races);
