// Korvanta's entry: the game lives in its library.
#include <allegro.h>

#include "shell/game.h"

int main(int argc, char *argv[]) { return run_korvanta(argc, argv); }
END_OF_MAIN()
