#pragma once

#include "School.h"

// The register on a PostgreSQL server: the school copied there with rollvane-admin's copier,
// then a save of 40 cards and a rebuild of a class, straight to the server and through a relay
// that adds 5 ms to every round trip, beside the literal design's one-statement-per-card save
// through the same relay. Round trips are counted by the server (pg_stat_statements) and by the
// relay, and printed beside the figures.
//
// The server is the one ROLLVANE_BENCH_PGHOST names (a socket folder; scripts/bench.sh starts
// one); without it the server figures are skipped, and the benchmark says so.
void runServerBench(const School& school, int runs, int firstFreeDay);
