#pragma once

#include <QByteArray>
#include <optional>

// Counts the days of a flight's arrivals for the report text file: a line
// before the first bird of each later day, and a warning line for a date
// that goes back.
class DayTracker {
public:
    // Day 1 is the day of the flight's first arrival; year is the one the
    // dates are taken in.
    DayTracker(const QByteArray &firstArrival, int year);

    // The line to write before this arrival, if any.
    std::optional<QByteArray> lineBefore(const QByteArray &arrival);

    int dayNumber() const { return m_dayNumber; }

private:
    QByteArray m_referenceDate;   // "mm/dd"
    int m_dayNumber = 1;
    int m_year;
};

// An arrival whose time and date are all zeros was never clocked.
bool HasClocking(const QByteArray &arrival);
