// The game's random numbers: the C library's generator.
#include "base/random.h"

#include <cstdlib>

void seedRandom(unsigned seed) {
    std::srand(seed);
}

int randomBelow(int n) {
    return n > 0 ? std::rand() % n : 0;
}
