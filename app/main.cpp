// The program's entry point: the command line is not used.
#include "app/game_main.h"

int main() {
    return gameMain();
}
