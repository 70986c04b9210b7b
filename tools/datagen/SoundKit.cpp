#include "tools/datagen/SoundKit.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

void Normalise(std::vector<float>& s, float peak) {
  float m = 0;
  for (float v : s) m = std::max(m, std::fabs(v));
  if (m <= 0) return;
  float k = peak / m;
  for (float& v : s) v *= k;
}

std::vector<float> FoldIntoLoop(const std::vector<float>& s, int length, int fade) {
  std::vector<float> out(s.begin(), s.begin() + length);
  for (int i = 0; i < fade && length + i < static_cast<int>(s.size()); ++i) {
    float w = static_cast<float>(i) / fade;
    out[i] = s[i] * w + s[length + i] * (1 - w);
  }
  return out;
}

void FadeEdges(std::vector<float>& s, int inSamples, int outSamples) {
  int n = static_cast<int>(s.size());
  for (int i = 0; i < inSamples && i < n; ++i) s[i] *= static_cast<float>(i) / inSamples;
  for (int i = 0; i < outSamples && i < n; ++i) s[n - 1 - i] *= static_cast<float>(i) / outSamples;
}

namespace {

// libsndfile writes through these callbacks into memory, so the result can
// be fixed up and written atomically like every other file.
struct MemoryFile {
  std::vector<uint8_t> bytes;
  sf_count_t pos = 0;
};

sf_count_t MemLength(void* user) { return static_cast<MemoryFile*>(user)->bytes.size(); }
sf_count_t MemSeek(sf_count_t offset, int whence, void* user) {
  auto* m = static_cast<MemoryFile*>(user);
  sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->pos : m->bytes.size();
  m->pos = std::max<sf_count_t>(0, base + offset);
  return m->pos;
}
sf_count_t MemRead(void* ptr, sf_count_t count, void* user) {
  auto* m = static_cast<MemoryFile*>(user);
  sf_count_t n = std::max<sf_count_t>(0, std::min<sf_count_t>(count, m->bytes.size() - m->pos));
  if (n > 0) std::memcpy(ptr, m->bytes.data() + m->pos, n);
  m->pos += n;
  return n;
}
sf_count_t MemWrite(const void* ptr, sf_count_t count, void* user) {
  auto* m = static_cast<MemoryFile*>(user);
  if (m->pos + count > static_cast<sf_count_t>(m->bytes.size())) m->bytes.resize(m->pos + count);
  std::memcpy(m->bytes.data() + m->pos, ptr, count);
  m->pos += count;
  return count;
}
sf_count_t MemTell(void* user) { return static_cast<MemoryFile*>(user)->pos; }

std::vector<uint8_t> Encode(const std::vector<float>& s, int channels, int format, double quality) {
  MemoryFile mem;
  SF_VIRTUAL_IO io = {MemLength, MemSeek, MemRead, MemWrite, MemTell};
  SF_INFO info;
  std::memset(&info, 0, sizeof info);
  info.samplerate = kSampleRate;
  info.channels = channels;
  info.format = format;
  SNDFILE* f = sf_open_virtual(&io, SFM_WRITE, &info, &mem);
  if (!f) return {};
  if (quality >= 0) sf_command(f, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
  // Small blocks: the Vorbis writer of this libsndfile crashes on very large ones.
  const sf_count_t block = 4096;
  sf_count_t frames = static_cast<sf_count_t>(s.size()) / channels;
  for (sf_count_t at = 0; at < frames; at += block) {
    sf_count_t n = std::min(block, frames - at);
    sf_writef_float(f, s.data() + at * channels, n);
  }
  sf_close(f);
  return mem.bytes;
}

struct CrcTable {
  uint32_t v[256];
  CrcTable() {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t r = i << 24;
      for (int k = 0; k < 8; ++k) r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : r << 1;
      v[i] = r;
    }
  }
};

uint32_t OggCrc(const uint8_t* data, size_t n) {
  static const CrcTable table;  // built once, thread-safe
  uint32_t crc = 0;
  for (size_t i = 0; i < n; ++i) crc = (crc << 8) ^ table.v[((crc >> 24) ^ data[i]) & 255];
  return crc;
}

// libsndfile picks a random stream serial number; fix it and re-seal every
// page so a file's bytes depend on its sound alone.
bool FixOggSerial(std::vector<uint8_t>& b, uint32_t serial) {
  size_t at = 0;
  while (at + 27 <= b.size()) {
    if (std::memcmp(&b[at], "OggS", 4) != 0) return false;
    size_t segments = b[at + 26];
    if (at + 27 + segments > b.size()) return false;
    size_t body = 0;
    for (size_t i = 0; i < segments; ++i) body += b[at + 27 + i];
    size_t pageSize = 27 + segments + body;
    if (at + pageSize > b.size()) return false;
    for (int i = 0; i < 4; ++i) b[at + 14 + i] = (serial >> (8 * i)) & 255;
    for (int i = 0; i < 4; ++i) b[at + 22 + i] = 0;
    uint32_t crc = OggCrc(&b[at], pageSize);
    for (int i = 0; i < 4; ++i) b[at + 22 + i] = (crc >> (8 * i)) & 255;
    at += pageSize;
  }
  return at == b.size();
}

}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<float>& s) {
  return Encode(s, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, -1);
}

std::vector<uint8_t> EncodeOgg(const std::vector<float>& s, int channels, double quality) {
  std::vector<uint8_t> b = Encode(s, channels, SF_FORMAT_OGG | SF_FORMAT_VORBIS, quality);
  if (b.empty() || !FixOggSerial(b, 0x466c6f72u)) return {};
  return b;
}
