#pragma once

#include <QByteArray>

// What a memory module takes, by its model and firmware.

// 500 birds on a KORVE (model code 1.50) or an unknown model, 999 on a TALMI
// (2.16).
int BirdLimit(double modelCode);

// A two-digit hatch year as a year from 1900: 80-99 are 1980-1999, 00-79
// 2000-2079.
int YearFrom1900(const QByteArray &hatchYr);

// Whether birds hatched from smallest to largest (years from 1900) suit the
// firmware: up to 3.45 the years 1980-2011, from 3.5 on 2000-2031, and none
// in between.
bool HatchYearsSuit(int smallest, int largest, double lmdVersion);

// The module is racing (state 1 or 3) and takes no admin data.
bool InRaceMode(const QByteArray &lmdState);
