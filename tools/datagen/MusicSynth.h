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

// A stereo loop buffer: every write wraps around its end. Pan runs from -1
// (left) to 1 (right) at constant power.
struct LoopMix {
  std::vector<float> left, right;
  explicit LoopMix(int length) : left(length, 0.0f), right(length, 0.0f) {}
  void Add(long at, float v, float leftGain, float rightGain) {
    long n = static_cast<long>(left.size());
    long i = ((at % n) + n) % n;
    left[i] += v * leftGain;
    right[i] += v * rightGain;
  }
};

// Renders one note: start and length in samples, pitch as a MIDI number.
void PlayNote(LoopMix& mix, Instrument inst, long start, long length, double midi, float gain, float pan = 0);
// Adds one drum hit at a sample position.
void PlayDrum(LoopMix& mix, Drum drum, long at, float gain, float pan = 0);
// A little room: feedback combs run twice round the loop so the tail of the
// end lands on the start; the two sides use different combs for width.
void AddRoom(LoopMix& mix, float wet);
