#include "engine/TextFormat.h"

#include <cstdio>
#include <cstring>

char textBuffer[kTextBufferSize];

namespace {

struct Output {
    char* out;
    size_t size;
    size_t length;
    bool full;

    void Append(const char* text, size_t n)
    {
        if (full) return;
        const size_t room = size - 1 - length;
        if (n > room) {
            // Cut at a character boundary: never leave half a UTF-8 sequence.
            n = room;
            while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
            full = true;
        }
        std::memcpy(out + length, text, n);
        length += n;
    }
};

}  // namespace

size_t FormatTextInto(char* out, size_t size, const char* format, std::initializer_list<TextArg> args)
{
    if (size == 0) return 0;
    Output o{out, size, 0, false};
    const TextArg* next = args.begin();
    const TextArg* const end = args.end();
    const char* p = format ? format : "";
    while (*p && !o.full) {
        if (*p != '%') {
            const char* run = p;
            while (*p && *p != '%') ++p;
            o.Append(run, static_cast<size_t>(p - run));
            continue;
        }
        const char c = p[1];
        if (c == '%') {
            o.Append("%", 1);
            p += 2;
        } else if (c == 's' && next != end && next->text) {
            o.Append(next->text, std::strlen(next->text));
            ++next;
            p += 2;
        } else if ((c == 'i' || c == 'd') && next != end && !next->text) {
            char digits[16];
            const int n = std::snprintf(digits, sizeof digits, "%d", static_cast<int>(next->number));
            o.Append(digits, static_cast<size_t>(n));
            ++next;
            p += 2;
        } else {
            // Not a conversion this caller passes: plain text.
            o.Append("%", 1);
            ++p;
        }
    }
    out[o.length] = '\0';
    return o.length;
}

const char* FormatText(const char* format, std::initializer_list<TextArg> args)
{
    FormatTextInto(textBuffer, sizeof textBuffer, format, args);
    return textBuffer;
}
