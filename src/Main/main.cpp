// The program's entry: the runtime reads no command-line arguments.
#include "Main/RunGame.h"

int main() { return runGame(); }
