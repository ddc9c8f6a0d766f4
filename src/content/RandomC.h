#pragma once

#include <QtGlobal>

// The program's one pseudo-random generator. It is seeded once at start;
// tests seed it to get repeatable exercises. Safe to call from any thread.

// Seeds the generator from the system's entropy source.
void Randomize();
// Seeds the generator with a fixed value.
void RandSeed(quint64 Seed);
// A uniformly distributed number from 0 to N-1; 0 when N is 1 or less.
int Random(int N);
