// FlorpVops: a 2D physics platform game.
#include "game/StartUp.h"

int main()
{
    return RunGame();
}
