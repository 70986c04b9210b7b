// Preloaded into the game by fv_load_bench: notes the moment of each of the
// first frames the game presents, and of the first windows it puts on
// screen, as lines on standard error, and hands the calls on to the real
// glXSwapBuffers and XMapWindow. The game itself is not changed.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>

namespace {

using SwapFunction = void (*)(void*, unsigned long);
using MapFunction = int (*)(void*, unsigned long);
int presented = 0;
int mapped = 0;

void Note(const char* what, int count)
{
    char line[32];
    const int n = std::snprintf(line, sizeof line, "fv-%s %d\n", what, count);
    if (n > 0) (void)!write(2, line, static_cast<size_t>(n));
}

// The launcher's dialog is the first window mapped, the game's the next.
int NoteMap(int result)
{
    if (mapped < 4) Note("map", ++mapped);
    return result;
}

}  // namespace

extern "C" void glXSwapBuffers(void* display, unsigned long drawable)
{
    static SwapFunction real = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    if (real != nullptr) real(display, drawable);
    if (presented < 4) Note("present", ++presented);
}

extern "C" int XMapWindow(void* display, unsigned long window)
{
    static MapFunction real = reinterpret_cast<MapFunction>(dlsym(RTLD_NEXT, "XMapWindow"));
    return NoteMap(real != nullptr ? real(display, window) : 0);
}

extern "C" int XMapRaised(void* display, unsigned long window)
{
    static MapFunction real = reinterpret_cast<MapFunction>(dlsym(RTLD_NEXT, "XMapRaised"));
    return NoteMap(real != nullptr ? real(display, window) : 0);
}
