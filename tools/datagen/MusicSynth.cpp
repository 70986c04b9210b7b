#include "tools/datagen/MusicSynth.h"

#include <array>
#include <cmath>

namespace {

const int kTable = 2048;
typedef std::array<float, kTable + 1> Wavetable;

Wavetable MakeTable(const std::vector<double>& harmonics) {
  Wavetable t{};
  double peak = 0;
  for (int i = 0; i <= kTable; ++i) {
    double x = 2 * M_PI * i / kTable, v = 0;
    for (size_t h = 0; h < harmonics.size(); ++h) v += harmonics[h] * std::sin((h + 1) * x);
    t[i] = static_cast<float>(v);
    peak = std::max(peak, std::fabs(v));
  }
  for (float& v : t) v = static_cast<float>(v / peak);
  return t;
}

std::vector<double> SawHarmonics(int n, double tilt) {
  std::vector<double> h;
  for (int k = 1; k <= n; ++k) h.push_back(1.0 / std::pow(k, tilt));
  return h;
}
std::vector<double> OddHarmonics(int n) {
  std::vector<double> h;
  for (int k = 1; k <= n; ++k) h.push_back(k % 2 ? 1.0 / k : 0.0);
  return h;
}

struct Tables {
  Wavetable sine, saw, softSaw, square, hollow, bright, mellow;
  Tables()
      : sine(MakeTable({1})),
        saw(MakeTable(SawHarmonics(14, 1.0))),
        softSaw(MakeTable(SawHarmonics(6, 1.6))),
        square(MakeTable(OddHarmonics(13))),
        hollow(MakeTable({1, 0, 0.35, 0, 0.12, 0, 0.05})),
        bright(MakeTable({1, 0.6, 0.45, 0.3, 0.22, 0.16, 0.1, 0.07, 0.05})),
        mellow(MakeTable({1, 0.25, 0.08, 0.03})) {}
};

const Tables& WaveTables() {
  static const Tables tables;  // built once, shared read-only by all threads
  return tables;
}

inline float Lookup(const Wavetable& t, double phase) {
  double p = (phase - std::floor(phase)) * kTable;
  int i = static_cast<int>(p);
  float f = static_cast<float>(p - i);
  return t[i] + (t[i + 1] - t[i]) * f;
}

struct Voice {
  const Wavetable* bright;  // timbre at the attack
  const Wavetable* soft;    // timbre it settles to
  double brightTau;         // seconds from bright to soft
  double attack, decayTau, sustain, release;
  double vibratoHz, vibratoDepth;  // depth in semitones, after a short delay
  double fmRatio, fmIndex, fmTau;  // phase modulation (0 index = none)
  double detune;                   // cents of a second, detuned copy (0 = none)
};

Voice VoiceFor(Instrument inst) {
  const Tables& w = WaveTables();
  switch (inst) {
    case Instrument::EPiano: return {&w.sine, &w.sine, 0.3, 0.004, 0.9, 0.0, 0.12, 0, 0, 1.0, 1.6, 0.35, 0};
    case Instrument::Marimba: return {&w.hollow, &w.sine, 0.05, 0.002, 0.28, 0.0, 0.06, 0, 0, 4.0, 0.8, 0.03, 0};
    case Instrument::Flute: return {&w.mellow, &w.sine, 0.4, 0.05, 3.0, 0.8, 0.12, 5.0, 0.12, 0, 0, 1, 0};
    case Instrument::Piano: return {&w.bright, &w.mellow, 0.25, 0.003, 1.1, 0.0, 0.2, 0, 0, 0, 0, 1, 3};
    case Instrument::Celesta: return {&w.sine, &w.sine, 1, 0.002, 0.8, 0.0, 0.3, 0, 0, 3.5, 1.2, 0.25, 0};
    case Instrument::Chip: return {&w.square, &w.square, 1, 0.003, 0.5, 0.55, 0.05, 6.0, 0.1, 0, 0, 1, 0};
    case Instrument::Saw: return {&w.saw, &w.softSaw, 0.5, 0.01, 1.2, 0.6, 0.12, 5.5, 0.15, 0, 0, 1, 8};
    case Instrument::Growl: return {&w.saw, &w.saw, 1, 0.008, 0.6, 0.7, 0.08, 6.5, 0.2, 0.5, 1.2, 0.4, 14};
    case Instrument::Strings: return {&w.softSaw, &w.softSaw, 1, 0.35, 3.0, 0.85, 0.6, 5.0, 0.06, 0, 0, 1, 10};
    case Instrument::WarmPad: return {&w.mellow, &w.mellow, 1, 0.6, 4.0, 0.9, 0.9, 0.3, 0.04, 0, 0, 1, 7};
    case Instrument::Bass: return {&w.bright, &w.mellow, 0.08, 0.005, 0.5, 0.5, 0.06, 0, 0, 0, 0, 1, 0};
    case Instrument::SubBass: return {&w.mellow, &w.sine, 0.1, 0.01, 1.0, 0.7, 0.08, 0, 0, 0, 0, 1, 0};
    case Instrument::PluckBass: return {&w.saw, &w.mellow, 0.06, 0.003, 0.35, 0.25, 0.05, 0, 0, 0, 0, 1, 0};
  }
  return {&w.sine, &w.sine, 1, 0.01, 1, 1, 0.1, 0, 0, 0, 0, 1, 0};
}

}  // namespace

static void PanGains(float pan, float* l, float* r) {
  double a = (pan + 1) * M_PI / 4;
  *l = static_cast<float>(std::cos(a) * M_SQRT2);
  *r = static_cast<float>(std::sin(a) * M_SQRT2);
}

void PlayNote(LoopMix& mix, Instrument inst, long start, long length, double midi, float gain, float pan) {
  float gl, gr;
  PanGains(pan, &gl, &gr);
  const Voice v = VoiceFor(inst);
  const Wavetable& sine = WaveTables().sine;
  const double hz = MidiHz(midi), sr = kSampleRate;
  const long attackEnd = static_cast<long>(v.attack * sr);
  const long tail = static_cast<long>(v.release * 5 * sr);
  // Exponentials advance by a constant factor per sample (far cheaper than
  // calling exp for every sample of every note).
  const double kDecay = std::exp(-1.0 / (v.decayTau * sr)), kRelease = std::exp(-1.0 / (v.release * sr));
  const double kBright = std::exp(-1.0 / (v.brightTau * sr)), kFm = std::exp(-1.0 / (v.fmTau * sr));
  const double detuneRatio = std::pow(2.0, v.detune / 1200.0);
  double phase = 0, phase2 = 0.25, modPhase = 0;
  double decay = 1, bright = 1, fmEnv = v.fmIndex, env = 0, f = hz;
  for (long i = 0; i < length + tail; ++i) {
    if (i < attackEnd) {
      env = static_cast<double>(i) / attackEnd;
    } else if (i < length) {
      env = v.sustain + (1 - v.sustain) * decay;
      decay *= kDecay;
    } else {
      env *= kRelease;
      if (env < 1e-4) break;
    }
    if ((i & 63) == 0 && v.vibratoDepth > 0) {
      double t = i / sr;
      double vib = t > 0.15 ? v.vibratoDepth * std::min(1.0, (t - 0.15) * 3) * std::sin(2 * M_PI * v.vibratoHz * t) : 0;
      f = hz * std::pow(2.0, vib / 12.0);
    }
    double pm = 0;
    if (v.fmIndex > 0) {
      modPhase += f * v.fmRatio / sr;
      pm = fmEnv * Lookup(sine, modPhase) / (2 * M_PI);
      fmEnv *= kFm;
    }
    phase += f / sr;
    float soft = Lookup(*v.soft, phase + pm);
    float s = soft + static_cast<float>(bright) * (Lookup(*v.bright, phase + pm) - soft);
    bright *= kBright;
    if (v.detune > 0) {
      phase2 += f * detuneRatio / sr;
      s = 0.5f * (s + Lookup(*v.soft, phase2));
    }
    mix.Add(start + i, static_cast<float>(s * env * gain), gl, gr);
  }
}

namespace {

std::vector<float> RenderDrum(Drum drum) {
  std::vector<float> b;
  NoiseSource noise(static_cast<uint32_t>(drum) * 977 + 5);
  LowPass lp, lp2;
  auto length = [&](double s) { b.assign(Samples(s), 0.0f); };
  double phase = 0;
  switch (drum) {
    case Drum::Kick:
      length(0.35);
      for (size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        phase += (45 + 110 * std::exp(-t / 0.035)) / kSampleRate;
        b[i] = static_cast<float>(std::sin(2 * M_PI * phase) * std::exp(-t / 0.12) + 0.3 * noise.Next() * std::exp(-t / 0.004));
      }
      break;
    case Drum::Snare:
    case Drum::Clap:
    case Drum::Brush:
      length(drum == Drum::Brush ? 0.25 : 0.3);
      for (size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        float n = noise.Next();
        float hp = n - lp.Run(n, drum == Drum::Brush ? 2500 : 1200);
        double env = std::exp(-t / (drum == Drum::Brush ? 0.07 : 0.055));
        if (drum == Drum::Clap) env *= (t < 0.03) ? (0.6 + 0.4 * std::sin(t * 2 * M_PI * 100)) : 1.0;
        phase += 185 / static_cast<double>(kSampleRate);
        double tone = drum == Drum::Snare ? 0.5 * std::sin(2 * M_PI * phase) * std::exp(-t / 0.04) : 0;
        b[i] = static_cast<float>(hp * env * (drum == Drum::Brush ? 0.5 : 0.9) + tone);
      }
      break;
    case Drum::HatClosed:
    case Drum::HatOpen:
    case Drum::Shaker:
      length(drum == Drum::HatOpen ? 0.35 : 0.08);
      for (size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        float n = noise.Next();
        float hp = n - lp.Run(n, drum == Drum::Shaker ? 4000 : 7000);
        double tau = drum == Drum::HatOpen ? 0.1 : drum == Drum::Shaker ? 0.025 : 0.018;
        double env = drum == Drum::Shaker ? std::min(1.0, t / 0.01) * std::exp(-t / tau) : std::exp(-t / tau);
        b[i] = static_cast<float>(hp * env * 0.6);
      }
      break;
    case Drum::Tom:
      length(0.4);
      for (size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        phase += (90 + 60 * std::exp(-t / 0.05)) / kSampleRate;
        b[i] = static_cast<float>(std::sin(2 * M_PI * phase) * std::exp(-t / 0.15));
      }
      break;
  }
  return b;
}

struct DrumKit {
  std::vector<float> hits[8];
  DrumKit() {
    for (int d = 0; d < 8; ++d) hits[d] = RenderDrum(static_cast<Drum>(d));
  }
};

}  // namespace

void PlayDrum(LoopMix& mix, Drum drum, long at, float gain, float pan) {
  static const DrumKit kit;  // rendered once, read by every thread
  float gl, gr;
  PanGains(pan, &gl, &gr);
  const std::vector<float>& hit = kit.hits[static_cast<int>(drum)];
  for (size_t i = 0; i < hit.size(); ++i) mix.Add(at + static_cast<long>(i), hit[i] * gain, gl, gr);
}

namespace {

void RoomSide(std::vector<float>& s, const int* combLen, float wet) {
  const int n = static_cast<int>(s.size());
  std::vector<float> out(n, 0.0f);
  for (int c = 0; c < 4; ++c) {
    std::vector<float> line(combLen[c], 0.0f);
    int at = 0;
    LowPass damp;
    // Two rounds: the first fills the comb, the second writes, so the end's
    // echo reaches the start of the loop.
    for (int round = 0; round < 2; ++round) {
      for (int i = 0; i < n; ++i) {
        float y = line[at];
        line[at] = s[i] + damp.Run(y, 3000) * 0.78f;
        at = (at + 1) % combLen[c];
        if (round == 1) out[i] += y * 0.25f;
      }
    }
  }
  for (int i = 0; i < n; ++i) s[i] += wet * out[i];
}

}  // namespace

void AddRoom(LoopMix& mix, float wet) {
  const int leftCombs[4] = {1557, 1617, 1491, 1422};
  const int rightCombs[4] = {1580, 1640, 1514, 1445};
  RoomSide(mix.left, leftCombs, wet);
  RoomSide(mix.right, rightCombs, wet);
}
