#include "bench_race_memory.h"

RaceImage BenchRaceMemory(int races, int arrivalsPerRace)
{
    RaceImage image;
    for (int race = 1; race <= races; ++race) {
        image.append("1234010200500012345051024190000051224180005051224180000"
                     + QByteArray::number(race).rightJustified(2, '0') + " 05/11 BRIGHTON00");
        for (int bird = 0; bird < arrivalsPerRace; ++bird)
            image.append(BenchRing(race, bird) + "0" + QByteArray::number(100000 + bird * 37) + "0511");
    }
    return image;
}

QByteArray BenchRing(int race, int bird)
{
    return "AU24DEMO" + QByteArray::number(race * 1000 + bird).rightJustified(6, '0');
}
