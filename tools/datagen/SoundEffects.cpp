// The game's 21 sound effects, synthesised to fit the event that plays each.
// Looping sounds are built as whole periods (or cross-faded noise) so they
// repeat without a click.
#include <cmath>
#include <functional>
#include <vector>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/SoundKit.h"

namespace {

typedef std::vector<float> Buffer;
const double kTwoPi = 2 * M_PI;

// A tone whose frequency follows f(t); phase is accumulated so sweeps stay smooth.
void AddSweep(Buffer& b, int start, double seconds, const std::function<double(double)>& freq,
              const std::function<double(double)>& amp, double harmonic2 = 0) {
  double phase = 0;
  int n = Samples(seconds);
  for (int i = 0; i < n && start + i < static_cast<int>(b.size()); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    phase += kTwoPi * freq(t) / kSampleRate;
    b[start + i] += static_cast<float>(amp(t) * (std::sin(phase) + harmonic2 * std::sin(2 * phase)));
  }
}

// Low-passed noise with a cutoff and amplitude over time.
void AddNoise(Buffer& b, int start, double seconds, uint32_t seed,
              const std::function<double(double)>& cutoff, const std::function<double(double)>& amp,
              bool highPass = false) {
  NoiseSource noise(seed);
  LowPass lp;
  int n = Samples(seconds);
  for (int i = 0; i < n && start + i < static_cast<int>(b.size()); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    float x = noise.Next();
    float y = lp.Run(x, static_cast<float>(cutoff(t)));
    b[start + i] += static_cast<float>(amp(t) * (highPass ? x - y : y));
  }
}

// A bell-like tone: a few inharmonic partials that die away at their own rates.
void AddBell(Buffer& b, int start, double hz, double seconds, double gain) {
  const double ratios[] = {1, 2.0, 2.76, 4.07, 5.4};
  const double levels[] = {1, 0.45, 0.3, 0.18, 0.1};
  for (int k = 0; k < 5; ++k) {
    double f = hz * ratios[k], tau = seconds / (1 + k * 0.9);
    AddSweep(b, start, seconds, [f](double) { return f; },
             [=](double t) { return gain * levels[k] * AttackDecay(t, 0.003, tau); });
  }
}

Buffer Jump() {
  Buffer b(Samples(0.32), 0);
  AddSweep(b, 0, 0.32, [](double t) { return 170 * std::pow(3.2, std::min(t / 0.16, 1.0)) + 12 * std::sin(t * 60); },
           [](double t) { return AttackDecay(t, 0.006, 0.09); }, 0.3);
  return b;
}

Buffer AirJump() {
  Buffer b(Samples(0.45), 0);
  AddNoise(b, 0, 0.45, 11, [](double t) { return 600 + 5000 * t; },
           [](double t) { return 0.9 * AttackDecay(t, 0.05, 0.12); });
  AddSweep(b, 0, 0.45, [](double t) { return 380 + 900 * t; },
           [](double t) { return 0.35 * AttackDecay(t, 0.03, 0.14); });
  return b;
}

Buffer Thud() {
  Buffer b(Samples(0.25), 0);
  AddSweep(b, 0, 0.25, [](double t) { return 55 + 110 * std::exp(-t / 0.03); },
           [](double t) { return AttackDecay(t, 0.002, 0.06); });
  AddNoise(b, 0, 0.05, 12, [](double) { return 1800; }, [](double t) { return 0.8 * DecayEnv(t, 0.012); });
  return b;
}

Buffer Pop() {
  Buffer b(Samples(0.28), 0);
  AddSweep(b, 0, 0.28, [](double t) { return 140 + 700 * std::exp(-t / 0.025); },
           [](double t) { return AttackDecay(t, 0.002, 0.07); }, 0.25);
  AddNoise(b, 0, 0.03, 13, [](double) { return 4000; }, [](double t) { return 0.5 * DecayEnv(t, 0.006); });
  return b;
}

Buffer Explosion() {
  Buffer b(Samples(1.5), 0);
  AddNoise(b, 0, 1.5, 14, [](double t) { return 200 + 5000 * std::exp(-t / 0.18); },
           [](double t) { return 1.4 * AttackDecay(t, 0.004, 0.38); });
  AddSweep(b, 0, 1.2, [](double t) { return 32 + 60 * std::exp(-t / 0.1); },
           [](double t) { return 0.9 * AttackDecay(t, 0.004, 0.3); });
  NoiseSource crackle(15);
  for (int k = 0; k < 40; ++k) {
    int at = static_cast<int>((crackle.Next() * 0.5 + 0.5) * Samples(0.9));
    double g = 0.4 * (crackle.Next() * 0.5 + 0.5);
    AddNoise(b, at, 0.02, 100 + k, [](double) { return 6000; },
             [g](double t) { return g * DecayEnv(t, 0.004); }, true);
  }
  return b;
}

// The angry growl runs as a loop while the danger meter is up (the game
// raises its pitch with the danger), so it is one seamless second: whole
// cycles of the tone, its vibrato and its roughness, and a filter that has
// already settled when the kept second starts.
Buffer Growl() {
  const int length = Samples(1.0);
  Buffer b(length, 0);
  double phase = 0.5;  // the seam falls mid-ramp, not on the saw's drop
  LowPass lp;
  for (int i = 0; i < 2 * length; ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double f = 92 + 10 * std::sin(kTwoPi * 6 * t);
    phase += f / kSampleRate;
    double saw = 2 * (phase - std::floor(phase)) - 1;
    double rough = 0.7 + 0.3 * std::sin(kTwoPi * 31 * t);
    float y = lp.Run(static_cast<float>(std::tanh(2.2 * saw) * rough), 900);
    if (i >= length) b[i - length] = y;
  }
  return b;
}

Buffer CannonBlast() {
  Buffer b(Samples(1.1), 0);
  AddSweep(b, 0, 1.0, [](double t) { return 30 + 70 * std::exp(-t / 0.06); },
           [](double t) { return 1.2 * AttackDecay(t, 0.002, 0.22); });
  AddNoise(b, 0, 1.1, 16, [](double t) { return 150 + 3000 * std::exp(-t / 0.07); },
           [](double t) { return 1.3 * AttackDecay(t, 0.002, 0.2); });
  return b;
}

// Loops. Each is exactly `length` long and built from whole periods, or from
// noise that is cross-faded across the seam.
Buffer CannonTurn() {
  const double length = 0.48;
  Buffer b(Samples(length), 0);
  // Clicks sit between the seams' quiet ends, half a step from the start.
  for (int k = 0; k < 8; ++k) {
    int at = Samples((k + 0.5) * length / 8);
    AddNoise(b, at, 0.03, 20 + k, [](double) { return 2500; }, [](double t) { return 0.6 * DecayEnv(t, 0.005); });
    AddSweep(b, at, 0.04, [](double) { return 1900; }, [](double t) { return 0.25 * DecayEnv(t, 0.006); });
  }
  // A motor hum of whole cycles (125 Hz x 0.48 s = 60 cycles).
  AddSweep(b, 0, length, [](double) { return 125; }, [](double) { return 0.12; });
  return b;
}

Buffer NoiseLoop(double seconds, uint32_t seed, double lowCut, double highCut, double amModHz,
                 double amDepth) {
  int length = Samples(seconds), fade = Samples(0.15);
  Buffer raw(length + fade, 0);
  NoiseSource noise(seed);
  LowPass lo, hi;
  for (size_t i = 0; i < raw.size(); ++i) {
    float x = noise.Next();
    float band = hi.Run(x, static_cast<float>(highCut)) - lo.Run(x, static_cast<float>(lowCut));
    raw[i] = band;
  }
  Buffer out = FoldIntoLoop(raw, length, fade);
  // Amplitude movement of whole cycles keeps the seam invisible.
  for (int i = 0; i < length; ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    out[i] *= static_cast<float>(1 - amDepth + amDepth * (0.5 + 0.5 * std::sin(kTwoPi * amModHz * t)));
  }
  return out;
}

Buffer RollLoop() {
  Buffer b = NoiseLoop(1.0, 30, 40, 320, 8, 0.35);
  Buffer hum(b.size(), 0);
  AddSweep(hum, 0, 1.0, [](double) { return 64; }, [](double t) { return 0.15 + 0.05 * std::sin(kTwoPi * 8 * t); });
  Normalise(b, 0.8);
  for (size_t i = 0; i < b.size(); ++i) b[i] += hum[i];
  return b;
}

Buffer AirRollLoop() { return NoiseLoop(1.0, 31, 700, 3200, 2, 0.4); }

Buffer StoneRollLoop() {
  Buffer b = NoiseLoop(1.0, 32, 60, 500, 5, 0.3);
  Normalise(b, 0.6);
  // Gravel grains: short bursts at fixed places inside the loop.
  NoiseSource place(33);
  int n = static_cast<int>(b.size());
  for (int k = 0; k < 34; ++k) {
    int at = static_cast<int>((place.Next() * 0.5 + 0.5) * (n - Samples(0.03)));
    double g = 0.2 + 0.3 * (place.Next() * 0.5 + 0.5);
    AddNoise(b, at, 0.025, 200 + k, [](double) { return 1500; }, [g](double t) { return g * DecayEnv(t, 0.005); });
  }
  return b;
}

Buffer WindLoop() { return NoiseLoop(2.0, 34, 500, 900, 1, 0.5); }

Buffer PurrLoop() {
  Buffer b(Samples(1.0), 0);
  AddSweep(b, 0, 1.0, [](double) { return 60; }, [](double t) { return 0.5 * (0.6 + 0.4 * std::sin(kTwoPi * 12 * t)); }, 0.5);
  Buffer n = NoiseLoop(1.0, 35, 80, 400, 12, 0.5);
  for (size_t i = 0; i < b.size(); ++i) b[i] += 0.25f * n[i];
  return b;
}

Buffer Tick() {
  Buffer b(Samples(0.06), 0);
  AddSweep(b, 0, 0.06, [](double) { return 1400; }, [](double t) { return AttackDecay(t, 0.001, 0.01); });
  return b;
}

Buffer Select() {
  Buffer b(Samples(0.18), 0);
  AddSweep(b, 0, 0.07, [](double) { return 700; }, [](double t) { return AttackDecay(t, 0.002, 0.025); }, 0.2);
  AddSweep(b, Samples(0.06), 0.12, [](double) { return 1050; }, [](double t) { return AttackDecay(t, 0.002, 0.035); }, 0.2);
  return b;
}

// Repeated in a loop while the score counts up: a tick that has died away
// before the next one starts.
Buffer ScoreTick() {
  Buffer b(Samples(0.1), 0);
  AddBell(b, 0, 1760, 0.035, 0.6);
  return b;
}

Buffer ScoreEnd() {
  Buffer b(Samples(1.2), 0);
  const double notes[] = {84, 88, 91, 96};
  for (int k = 0; k < 4; ++k) AddBell(b, Samples(k * 0.03), MidiHz(notes[k]), 1.15, 0.4);
  return b;
}

// Ambiences: chords of whole-cycle tones over an 8-second loop.
Buffer Ambience(bool dark) {
  const double seconds = 8.0;
  Buffer b(Samples(seconds), 0);
  // Frequencies rounded to 1/8 Hz make exactly whole cycles in 8 s.
  auto whole = [](double hz) { return std::round(hz * 8) / 8; };
  std::vector<double> notes = dark ? std::vector<double>{33, 40, 45, 46} : std::vector<double>{57, 64, 69, 71, 76};
  for (size_t k = 0; k < notes.size(); ++k) {
    double f = whole(MidiHz(notes[k]));
    double swell = 0.125 * (k + 1);  // 1, 2, 3 .. cycles per loop
    AddSweep(b, 0, seconds, [f](double) { return f; },
             [=](double t) { return 0.22 * (0.55 + 0.45 * std::sin(kTwoPi * swell * t + k)); }, dark ? 0.3 : 0.1);
  }
  if (dark) {  // slow beating against the root
    double f = whole(MidiHz(33)) + 0.25;
    AddSweep(b, 0, seconds, [f](double) { return f; }, [](double) { return 0.15; });
  }
  Buffer air = NoiseLoop(seconds, dark ? 36 : 37, dark ? 40 : 400, dark ? 250 : 2500, 0.25, 0.6);
  Normalise(air, dark ? 0.3f : 0.2f);
  for (size_t i = 0; i < b.size(); ++i) b[i] += air[i];
  if (!dark) {  // a few soft chirps, all well inside the loop
    const double at[] = {1.1, 1.25, 4.6, 6.3, 6.42};
    for (int k = 0; k < 5; ++k) {
      AddSweep(b, Samples(at[k]), 0.09, [k](double t) { return 2600 + 900 * std::sin(t * 90 + k); },
               [](double t) { return 0.08 * std::sin(M_PI * t / 0.09); });
    }
  }
  return b;
}

Buffer LevelDie() {
  Buffer b(Samples(1.5), 0);
  const double notes[] = {67, 63, 60, 55};
  for (int k = 0; k < 4; ++k) {
    double f = MidiHz(notes[k]);
    AddSweep(b, Samples(k * 0.22), 0.7, [f](double t) { return f * (1 - 0.02 * t); },
             [](double t) { return 0.5 * AttackDecay(t, 0.01, 0.25); }, 0.3);
  }
  return b;
}

Buffer LevelPass() {
  Buffer b(Samples(1.8), 0);
  const double notes[] = {72, 76, 79, 84};
  for (int k = 0; k < 4; ++k) AddBell(b, Samples(k * 0.12), MidiHz(notes[k]), 0.9, 0.4);
  for (double n : {72.0, 76.0, 79.0, 84.0}) AddBell(b, Samples(0.55), MidiHz(n), 1.2, 0.25);
  return b;
}

}  // namespace

bool GenerateSoundEffect(const DataFile& file, const GenContext& ctx) {
  Buffer b;
  bool loop = false;
  switch (file.param) {
    case 0: b = Jump(); break;
    case 1: b = AirJump(); break;
    case 2: b = Thud(); break;
    case 3: b = Pop(); break;
    case 4: b = Explosion(); break;
    case 5: b = Growl(); loop = true; break;
    case 6: b = CannonBlast(); break;
    case 7: b = CannonTurn(); loop = true; break;
    case 8: b = RollLoop(); loop = true; break;
    case 9: b = AirRollLoop(); loop = true; break;
    case 10: b = StoneRollLoop(); loop = true; break;
    case 11: b = WindLoop(); loop = true; break;
    case 12: b = PurrLoop(); loop = true; break;
    case 13: b = Tick(); break;
    case 14: b = Select(); break;
    case 15: b = ScoreTick(); break;
    case 16: b = ScoreEnd(); break;
    case 17: b = Ambience(false); loop = true; break;
    case 18: b = Ambience(true); loop = true; break;
    case 19: b = LevelDie(); break;
    case 20: b = LevelPass(); break;
    default: return false;
  }
  // Rolling and movement loops run under everything else, so they sit lower
  // than the one-shot events.
  float peak = 0.85f;
  if (file.param >= 8 && file.param <= 12) peak = 0.5f;
  if (file.param == 7) peak = 0.6f;
  Normalise(b, peak);
  if (!loop) FadeEdges(b, 16, Samples(0.01));
  std::vector<uint8_t> wav = EncodeWav(b);
  return !wav.empty() && WriteOutputFile(OutputPathFor(ctx, file.path), wav);
}
