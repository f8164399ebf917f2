// The game's one source of chance (where loose pieces are scattered).
//
// Seeded from the clock once per run by the shell; a test fixes the seed to
// replay the same boards.
#pragma once

void seedRandom(unsigned seed); // start the sequence again from seed
int randomBelow(int n);         // 0..n-1 for n > 0; 0 otherwise
