// The instruments and the mixing desk of the music generator: wavetable and
// FM voices, synthesised drums, and a small room reverb, all writing into a
// circular buffer so that a track loops without a seam.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/datagen/SoundKit.h"

enum class Instrument {
  EPiano, Marimba, Flute, Piano, Celesta, Chip, Saw, Growl, Strings, WarmPad, Bass, SubBass, PluckBass
};
enum class Drum { Kick, Snare, HatClosed, HatOpen, Clap, Tom, Shaker, Brush };

// A loop buffer: every write wraps around its end.
struct LoopMix {
  std::vector<float> samples;
  explicit LoopMix(int length) : samples(length, 0.0f) {}
  void Add(long at, float v) {
    long n = static_cast<long>(samples.size());
    samples[((at % n) + n) % n] += v;
  }
};

// Renders one note: start and length in samples, pitch as a MIDI number.
void PlayNote(LoopMix& mix, Instrument inst, long start, long length, double midi, float gain);
// Adds one drum hit at a sample position.
void PlayDrum(LoopMix& mix, Drum drum, long at, float gain);
// A little room: a few feedback combs and an all-pass, run twice round the
// loop so the tail of the end lands on the start.
void AddRoom(std::vector<float>& s, float wet);
