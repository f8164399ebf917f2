// Placeholder until the game's screens land: the start-up builds nothing
// beyond the world root.
#include "app/game_main.h"

void buildPersistentObjects() {}
void openFirstScreen() {}
