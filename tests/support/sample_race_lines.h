#pragma once

#include <QByteArray>

// Race lines laid out like the clock's: concourse 1234, combine 01, club 02,
// flyer 005, memory module 00012345, clock set 05/10/24 19:00:00.
namespace SampleLines {

inline QByteArray raceHeader(const QByteArray &verified = "051224180005", const QByteArray &clock = "051224180000",
                             const QByteArray &race = "01", const QByteArray &liberation = "BRIGHTON")
{
    return "12340102005" "00012345" "051024190000" + verified + clock + race + " 05/11 " + liberation + "00";
}

inline QByteArray trainingHeader()
{
    return "1234010200500012345051524070000000000000000************";
}

// ring: 14 characters, as clocked.
inline QByteArray arrival(const QByteArray &ring, const QByteArray &time = "103512",
                          const QByteArray &monthDay = "0511")
{
    return ring + '0' + time + monthDay;
}

inline QByteArray demoRing(int band)
{
    return "AU24DEMO" + QByteArray::number(band).rightJustified(6, '0');
}

// The arrival of demoRing(band) at 10:35:12 on 05/11.
inline QByteArray arrival(int band)
{
    return arrival(demoRing(band));
}

} // namespace SampleLines
