#include "play/playStateInputRules.h"

int wrappedPointerCoordinate(int position, int extent)
{
    // SDL keeps the pointer within 0 .. extent - 1.
    if (extent < 3)
        return -1;
    if (position <= 0)
        return extent - 2;
    if (position >= extent - 1)
        return 1;
    return -1;
}
