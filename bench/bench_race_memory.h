#pragma once

#include "race_data/race_lines.h"

// A full race memory for the readout benchmarks: races of club 2, flyer 5,
// numbered from 1, on 05/11, each with its arrivals.
RaceImage BenchRaceMemory(int races, int arrivalsPerRace);
// The ring of a bird of that memory: AU24DEMO and race * 1000 + bird.
QByteArray BenchRing(int race, int bird);
