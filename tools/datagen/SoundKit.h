// Shared pieces of the sound and music generators: a seeded noise source,
// simple filters and envelopes, seamless loops, and WAV / Ogg Vorbis output
// through libsndfile with the same bytes on every run.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

const int kSampleRate = 44100;

struct NoiseSource {
  uint32_t state;
  explicit NoiseSource(uint32_t seed) : state(seed ? seed : 1u) {}
  float Next() {  // -1 .. 1
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state) * (2.0f / 4294967296.0f) - 1.0f;
  }
};

// One-pole low-pass; cutoff in Hz may change per sample.
struct LowPass {
  float y = 0;
  float Run(float x, float cutoff) {
    float a = 1.0f - std::exp(-2.0f * static_cast<float>(M_PI) * cutoff / kSampleRate);
    y += a * (x - y);
    return y;
  }
};

inline float DecayEnv(double t, double tau) { return static_cast<float>(std::exp(-t / tau)); }
inline float AttackDecay(double t, double attack, double tau) {
  return t < attack ? static_cast<float>(t / attack) : DecayEnv(t - attack, tau);
}
inline int Samples(double seconds) { return static_cast<int>(seconds * kSampleRate + 0.5); }
inline double MidiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Scales the buffer so its peak is `peak`.
void Normalise(std::vector<float>& s, float peak);
// Turns a buffer of length + fade samples into a seamless loop of `length`:
// the tail beyond the loop is cross-faded into its head.
std::vector<float> FoldIntoLoop(const std::vector<float>& s, int length, int fade);
// Short fades at both ends so one-shot sounds start and stop without a click.
void FadeEdges(std::vector<float>& s, int inSamples, int outSamples);

// Encodes mono samples (-1..1) as 16-bit WAV or as Ogg Vorbis (quality 0..1).
std::vector<uint8_t> EncodeWav(const std::vector<float>& s);
std::vector<uint8_t> EncodeOgg(const std::vector<float>& s, int channels, double quality);
