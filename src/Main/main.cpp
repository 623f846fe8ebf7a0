// The program's entry: the runtime reads no command-line arguments.
#include "Main/RunGame.h"
#include "platform/FreedMemory.h"

int main()
{
    platform::keepLargeBlocksMapped();
    return runGame();
}
