// Preloaded into the game by fv_load_bench: notes the moment of each of the
// first frames the game presents, as a line on standard error, and hands the
// call on to the real glXSwapBuffers. The game itself is not changed.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>

namespace {

using SwapFunction = void (*)(void*, unsigned long);
int presented = 0;

}  // namespace

extern "C" void glXSwapBuffers(void* display, unsigned long drawable)
{
    static SwapFunction real = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    if (real != nullptr) real(display, drawable);
    if (presented < 4) {
        ++presented;
        char line[32];
        const int n = std::snprintf(line, sizeof line, "fv-present %d\n", presented);
        if (n > 0) (void)!write(2, line, static_cast<size_t>(n));
    }
}
