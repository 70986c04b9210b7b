#include "platform/SfmlErrors.h"

#include <SFML/System/Err.hpp>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <streambuf>

namespace {

std::mutex writing;
// Plain arrays: they must outlive the static objects whose destructors
// may still complain at exit.
thread_local int quietDepth = 0;
thread_local char pendingLine[1024];
thread_local size_t pendingLength = 0;

void WriteOut()
{
    if (pendingLength == 0) return;
    std::lock_guard<std::mutex> lock(writing);
    std::fwrite(pendingLine, 1, pendingLength, stderr);
    std::fflush(stderr);
    pendingLength = 0;
}

// A line is written once it ends, or once it fills the buffer.
void Take(const char* text, size_t n)
{
    if (quietDepth > 0) return;
    while (n > 0) {
        const size_t room = sizeof pendingLine - pendingLength;
        const size_t part = n < room ? n : room;
        std::memcpy(pendingLine + pendingLength, text, part);
        pendingLength += part;
        const bool ended = std::memchr(text, '\n', part) != nullptr;
        text += part;
        n -= part;
        if (ended || pendingLength == sizeof pendingLine) WriteOut();
    }
}

// Unbuffered as a stream buffer: every character reaches overflow or xsputn.
class LineBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            const char ch = traits_type::to_char_type(c);
            Take(&ch, 1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize n) override
    {
        if (n > 0) Take(text, static_cast<size_t>(n));
        return n;
    }
    int sync() override
    {
        WriteOut();
        return 0;
    }
};

}  // namespace

void RouteSfmlErrors()
{
    static std::once_flag routed;
    // Never destroyed: the stream may be written until the process ends.
    std::call_once(routed, [] { sf::err().rdbuf(new LineBuffer); });
}

QuietSfmlErrors::QuietSfmlErrors()
{
    RouteSfmlErrors();
    ++quietDepth;
}

QuietSfmlErrors::~QuietSfmlErrors() { --quietDepth; }
