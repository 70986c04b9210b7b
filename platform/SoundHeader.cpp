#include "platform/SoundHeader.h"

#include <cstring>

namespace {

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint32_t Le16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }

// Far beyond any sound the game has; past them the reader's arithmetic
// and the mixer are not to be trusted.
constexpr uint32_t maxChannels = 8;
constexpr uint32_t maxSampleRate = 384000;

const char* const cutShort = "is cut short before its sound data";

const uint8_t pcmSubformat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                  0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

bool Is(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, std::strlen(tag)) == 0; }

// The "fmt " chunk's content, as the reader takes it: PCM (or extensible
// PCM) with a usable channel count, rate and sample size, and a block size
// that matches them.
const char* WavFormatProblem(const uint8_t* f, uint32_t size)
{
    if (size < 16) return "has a format chunk too short to read";
    const uint32_t format = Le16(f), channels = Le16(f + 2), rate = Le32(f + 4);
    const uint32_t blockAlign = Le16(f + 12), bits = Le16(f + 14);
    if (format != 1 && format != 0xFFFE) return "is not PCM sound";
    if (channels == 0 || channels > maxChannels) return "declares an unusable number of channels";
    if (rate == 0 || rate > maxSampleRate) return "declares an unusable sample rate";
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return "declares an unusable sample size";
    if (blockAlign != channels * (bits / 8)) return "declares a block size that does not fit its samples";
    if (format == 0xFFFE) {
        if (size < 40) return "has a format chunk too short to read";
        if (Le16(f + 18) != bits || std::memcmp(f + 24, pcmSubformat, sizeof pcmSubformat) != 0)
            return "is not PCM sound";
    }
    return nullptr;
}

// Walks the chunks as the reader does (no padding after odd sizes) up to
// the data chunk, which must come after a good format chunk.
const char* WavProblem(const uint8_t* bytes, size_t got, uint64_t fileSize)
{
    bool formatSeen = false;
    uint64_t at = 12;
    for (;;) {
        if (at + 8 > fileSize) return cutShort;
        if (at + 8 > got) return "has its sound data too far into the file";
        const uint8_t* chunk = bytes + at;
        const uint32_t size = Le32(chunk + 4);
        if (Is(chunk, "data")) return formatSeen ? nullptr : "has sound data before its format";
        if (Is(chunk, "fmt ")) {
            const uint64_t available = got - (at + 8);
            const uint32_t needed = size < 40 ? size : 40;
            if (available < needed) return at + 8 + needed > fileSize ? cutShort : "has its format too far into the file";
            if (const char* problem = WavFormatProblem(chunk + 8, size)) return problem;
            formatSeen = true;
        }
        at += 8 + uint64_t(size);
    }
}

// The first page of an Ogg stream and the Vorbis identification header in
// it: channels, rate and the two block sizes.
const char* OggProblem(const uint8_t* b, size_t got)
{
    if (got < 27 + 1) return cutShort;
    if (b[4] != 0 || (b[5] & 0x02) == 0) return "does not begin with an Ogg stream's first page";
    const size_t segments = b[26];
    if (got < 27 + segments) return cutShort;
    size_t packet = 0;
    for (size_t i = 0; i < segments; ++i) {
        packet += b[27 + i];
        if (b[27 + i] < 255) break;
    }
    const uint8_t* v = b + 27 + segments;
    if (packet < 30 || got < 27 + segments + 30) return cutShort;
    if (v[0] != 1 || !Is(v + 1, "vorbis")) return "is not Ogg Vorbis sound";
    if (Le32(v + 7) != 0) return "is of an unknown Vorbis version";
    const uint32_t channels = v[11], rate = Le32(v + 12);
    if (channels == 0 || channels > maxChannels) return "declares an unusable number of channels";
    if (rate == 0 || rate > maxSampleRate) return "declares an unusable sample rate";
    const uint32_t small = v[28] & 0x0F, large = v[28] >> 4;
    if (small < 6 || large > 13 || small > large) return "declares unusable block sizes";
    if ((v[29] & 1) == 0) return "has a damaged Vorbis header";
    return nullptr;
}

}  // namespace

const char* SoundHeaderProblem(const uint8_t* bytes, size_t got, uint64_t fileSize)
{
    if (got == 0) return "is empty";
    if (got >= 12 && Is(bytes, "RIFF") && Is(bytes + 8, "WAVE")) return WavProblem(bytes, got, fileSize);
    if (got >= 4 && Is(bytes, "OggS")) return OggProblem(bytes, got);
    return "is neither WAV nor Ogg Vorbis sound";
}
