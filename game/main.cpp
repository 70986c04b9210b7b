// FlorpVops: a 2D physics platform game.
#include <cstdio>

#include "game/StartUp.h"
#include "platform/GameFolder.h"

int main()
{
    // Unbuffered, so every log line reaches a pipe or a file as it is
    // written: a killed game keeps its last lines, and the marks written
    // without a line end come in order with the messages on standard error.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // Every data path is relative: run in the folder that holds data/,
    // wherever the game was started from.
    if (!EnterGameFolder(FV_SOURCE_ROOT))
        return 1;
    return RunGame();
}
