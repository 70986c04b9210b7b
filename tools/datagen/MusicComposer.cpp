// The game's music: each track is composed from a small style sheet (tempo,
// key, mode, chord progression, instruments, bass and drum patterns) by a
// seeded composer: a chord per bar, a pad, a bass line, drums with fills,
// arpeggios, and a melody built from repeated and varied two-bar motifs.
// Tracks are whole loops: everything that rings past the end lands on the
// start, so the stream loops without a seam.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/MusicSynth.h"

namespace {

enum class BassStyle { Half, Pulse, RootFifth, Walking, Funk, Octaves, Drive };
enum class DrumStyle { None, Soft, Pop, Shuffle, Brushes, Funk, FourFloor, Rock, Waltz };
enum class ArpStyle { None, Up8, Up16, Broken, Waltz };

struct TrackStyle {
  const char* character;
  double bpm;
  int beatsPerBar;
  int tonic;             // MIDI note of the key's tonic
  int scale[7];          // semitones of the mode
  int progression[8];    // scale degree of each bar's chord (0 = tonic), -1 ends
  int bars;
  bool sevenths;
  Instrument lead, pad, bass, arp;
  BassStyle bassStyle;
  DrumStyle drums;
  ArpStyle arpStyle;
  double density;        // 0 calm .. 1 busy melody
  int leadOctave;        // MIDI of the melody's home note area
  float leadGain, padGain, bassGain, arpGain, drumGain;
  uint32_t seed;
};

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};
const int kDorian[7] = {0, 2, 3, 5, 7, 9, 10};
const int kMixolydian[7] = {0, 2, 4, 5, 7, 9, 10};
const int kHarmonic[7] = {0, 2, 3, 5, 7, 8, 11};

TrackStyle Style(int track) {
  TrackStyle s{};
  auto scale = [&](const int* m) { std::copy(m, m + 7, s.scale); };
  auto prog = [&](std::initializer_list<int> p) {
    std::fill(s.progression, s.progression + 8, -1);
    std::copy(p.begin(), p.end(), s.progression);
  };
  s.beatsPerBar = 4;
  s.leadGain = 0.32f; s.padGain = 0.10f; s.bassGain = 0.36f; s.arpGain = 0.12f; s.drumGain = 0.5f;
  switch (track) {
    case 0:  // title: warm and hopeful
      s.character = "title"; s.bpm = 100; s.tonic = 60; scale(kMajor); prog({0, 4, 5, 3, 0, 4, 3, 4});
      s.bars = 32; s.lead = Instrument::EPiano; s.pad = Instrument::WarmPad; s.bass = Instrument::Bass;
      s.arp = Instrument::Celesta; s.bassStyle = BassStyle::RootFifth; s.drums = DrumStyle::Soft;
      s.arpStyle = ArpStyle::Broken; s.density = 0.45; s.leadOctave = 72; s.seed = 11;
      break;
    case 1:  // easy: bouncy marimba
      s.character = "easy"; s.bpm = 112; s.tonic = 67; scale(kMajor); prog({0, 3, 5, 4});
      s.bars = 32; s.lead = Instrument::Marimba; s.pad = Instrument::Strings; s.bass = Instrument::PluckBass;
      s.arp = Instrument::Marimba; s.bassStyle = BassStyle::Octaves; s.drums = DrumStyle::Shuffle;
      s.arpStyle = ArpStyle::None; s.density = 0.7; s.leadOctave = 74; s.seed = 23; s.leadGain = 0.42f;
      break;
    case 2:  // easy 2: gentle jazz with a flute
      s.character = "easy 2"; s.bpm = 104; s.tonic = 65; scale(kMajor); prog({1, 4, 0, 5, 1, 4, 0, 0});
      s.bars = 28; s.sevenths = true; s.lead = Instrument::Flute; s.pad = Instrument::EPiano;
      s.bass = Instrument::SubBass; s.arp = Instrument::EPiano; s.bassStyle = BassStyle::Walking;
      s.drums = DrumStyle::Brushes; s.arpStyle = ArpStyle::None; s.density = 0.5; s.leadOctave = 74;
      s.padGain = 0.16f; s.seed = 37;
      break;
    case 3:  // work in progress: funky and mechanical
      s.character = "gears"; s.bpm = 118; s.tonic = 62; scale(kDorian); prog({0, 3, 0, 6});
      s.bars = 32; s.lead = Instrument::Chip; s.pad = Instrument::Strings; s.bass = Instrument::PluckBass;
      s.arp = Instrument::Marimba; s.bassStyle = BassStyle::Funk; s.drums = DrumStyle::Funk;
      s.arpStyle = ArpStyle::Up16; s.density = 0.65; s.leadOctave = 69; s.leadGain = 0.2f; s.arpGain = 0.08f;
      s.seed = 41;
      break;
    case 4:  // piano: a quiet piano piece
      s.character = "piano"; s.bpm = 84; s.tonic = 63; scale(kMajor); prog({0, 5, 3, 4, 0, 2, 3, 4});
      s.bars = 24; s.lead = Instrument::Piano; s.pad = Instrument::WarmPad; s.bass = Instrument::Piano;
      s.arp = Instrument::Piano; s.bassStyle = BassStyle::Half; s.drums = DrumStyle::None;
      s.arpStyle = ArpStyle::Up8; s.density = 0.4; s.leadOctave = 75; s.padGain = 0.04f;
      s.arpGain = 0.16f; s.bassGain = 0.28f; s.seed = 53;
      break;
    case 5:  // snow: a slow celesta waltz
      s.character = "snow"; s.bpm = 138; s.beatsPerBar = 3; s.tonic = 57; scale(kMinor);
      prog({0, 5, 2, 6, 0, 5, 3, 4}); s.bars = 48; s.lead = Instrument::Celesta; s.pad = Instrument::WarmPad;
      s.bass = Instrument::SubBass; s.arp = Instrument::Celesta; s.bassStyle = BassStyle::Half;
      s.drums = DrumStyle::Waltz; s.arpStyle = ArpStyle::Waltz; s.density = 0.35; s.leadOctave = 81;
      s.padGain = 0.14f; s.arpGain = 0.07f; s.drumGain = 0.25f; s.seed = 67;
      break;
    case 6:  // sprint: fast chiptune
      s.character = "sprint"; s.bpm = 150; s.tonic = 64; scale(kMinor); prog({0, 5, 6, 0, 0, 5, 3, 4});
      s.bars = 40; s.lead = Instrument::Chip; s.pad = Instrument::Saw; s.bass = Instrument::PluckBass;
      s.arp = Instrument::Chip; s.bassStyle = BassStyle::Drive; s.drums = DrumStyle::FourFloor;
      s.arpStyle = ArpStyle::Up16; s.density = 0.85; s.leadOctave = 76; s.leadGain = 0.2f;
      s.arpGain = 0.06f; s.padGain = 0.05f; s.seed = 79;
      break;
    case 7:  // final: driving and grand
      s.character = "final"; s.bpm = 132; s.tonic = 59; scale(kHarmonic); prog({0, 5, 3, 4, 0, 5, 1, 4});
      s.bars = 36; s.lead = Instrument::Saw; s.pad = Instrument::Strings; s.bass = Instrument::Bass;
      s.arp = Instrument::Celesta; s.bassStyle = BassStyle::Pulse; s.drums = DrumStyle::Rock;
      s.arpStyle = ArpStyle::Broken; s.density = 0.6; s.leadOctave = 71; s.leadGain = 0.24f;
      s.padGain = 0.14f; s.seed = 83;
      break;
    case 8:  // boss: heavy and tense
      s.character = "boss"; s.bpm = 140; s.tonic = 49; scale(kHarmonic); prog({0, 0, 5, 4, 0, 1, 5, 4});
      s.bars = 40; s.lead = Instrument::Growl; s.pad = Instrument::Strings; s.bass = Instrument::PluckBass;
      s.arp = Instrument::Chip; s.bassStyle = BassStyle::Drive; s.drums = DrumStyle::Rock;
      s.arpStyle = ArpStyle::None; s.density = 0.55; s.leadOctave = 66; s.leadGain = 0.2f;
      s.padGain = 0.12f; s.bassGain = 0.42f; s.seed = 97;
      break;
    default:  // the hidden level: a lazy, sunny groove
      s.character = "hidden"; s.bpm = 96; s.tonic = 57; scale(kMixolydian); prog({0, 6, 3, 0});
      s.bars = 28; s.lead = Instrument::Flute; s.pad = Instrument::EPiano; s.bass = Instrument::SubBass;
      s.arp = Instrument::Marimba; s.bassStyle = BassStyle::RootFifth; s.drums = DrumStyle::Shuffle;
      s.arpStyle = ArpStyle::Broken; s.density = 0.5; s.leadOctave = 72; s.padGain = 0.12f; s.seed = 101;
      break;
  }
  return s;
}

struct Composer {
  TrackStyle s;
  double samplesPerBeat;
  int progressionLength = 0;
  LoopMix mix;
  uint32_t rng;

  explicit Composer(const TrackStyle& style)
      : s(style), samplesPerBeat(kSampleRate * 60.0 / style.bpm),
        mix(static_cast<int>(std::lround(kSampleRate * 60.0 / style.bpm * style.beatsPerBar * style.bars))),
        rng(style.seed * 7919u + 1) {
    while (progressionLength < 8 && s.progression[progressionLength] >= 0) ++progressionLength;
  }

  double Random() {
    rng = rng * 1664525u + 1013904223u;
    return (rng >> 8) * (1.0 / 16777216.0);
  }
  int Pick(int n) { return std::min(n - 1, static_cast<int>(Random() * n)); }

  long At(double beat) const { return std::lround(beat * samplesPerBeat); }
  int ChordDegree(int bar) const { return s.progression[bar % progressionLength]; }
  // MIDI note of scale step `step` (0 = tonic, 7 = tonic an octave up).
  int StepNote(int step) const {
    int octave = static_cast<int>(std::floor(step / 7.0));
    return s.tonic + 12 * octave + s.scale[step - octave * 7];
  }
  bool IsChordStep(int step, int bar) const {
    int rel = ((step - ChordDegree(bar)) % 7 + 7) % 7;
    return rel == 0 || rel == 2 || rel == 4 || (s.sevenths && rel == 6);
  }

  void Pad() {
    for (int bar = 0; bar < s.bars; ++bar) {
      int d = ChordDegree(bar);
      int count = s.sevenths ? 4 : 3;
      for (int k = 0; k < count; ++k) {
        int note = StepNote(d + 2 * k);
        while (note < s.tonic + 3) note += 12;
        while (note > s.tonic + 16) note -= 12;
        PlayNote(mix, s.pad, At(bar * s.beatsPerBar), At(s.beatsPerBar) - 200, note, s.padGain, k % 2 ? 0.5f : -0.5f);
      }
    }
  }

  void Bass() {
    const int bpb = s.beatsPerBar;
    for (int bar = 0; bar < s.bars; ++bar) {
      int d = ChordDegree(bar), next = ChordDegree(bar + 1);
      int root = StepNote(d) - 24, fifth = StepNote(d + 4) - 24;
      while (root < 28) root += 12;
      while (fifth < root) fifth += 12;
      double b0 = bar * bpb;
      auto play = [&](double beat, double len, int note, float g) {
        PlayNote(mix, s.bass, At(b0 + beat), At(len), note, s.bassGain * g);
      };
      switch (s.bassStyle) {
        case BassStyle::Half:
          play(0, bpb == 3 ? 2.8 : 1.9, root, 1);
          if (bpb == 4) play(2, 1.9, fifth, 0.8);
          break;
        case BassStyle::Pulse:
          for (int e = 0; e < bpb * 2; ++e) play(e * 0.5, 0.45, root, e % 2 ? 0.7f : 1.0f);
          break;
        case BassStyle::RootFifth:
          for (int q = 0; q < bpb; ++q) play(q, 0.9, q % 2 ? fifth : root, q % 2 ? 0.75f : 1.0f);
          break;
        case BassStyle::Walking: {
          int target = StepNote(next) - 24;
          while (target < 28) target += 12;
          int third = StepNote(d + 2) - 24;
          while (third < root) third += 12;
          int steps[4] = {root, third, fifth, target + (target > fifth ? -1 : 1)};
          for (int q = 0; q < 4; ++q) play(q, 0.9, steps[q], q == 0 ? 1.0f : 0.8f);
          break;
        }
        case BassStyle::Funk: {
          const double at[6] = {0, 0.75, 1.5, 2.5, 3, 3.5};
          const int up[6] = {0, 0, 12, 0, 7, 12};
          for (int k = 0; k < 6; ++k) play(at[k], 0.35, root + up[k], k == 0 ? 1.0f : 0.75f);
          break;
        }
        case BassStyle::Octaves:
          for (int e = 0; e < bpb * 2; ++e) play(e * 0.5, 0.4, root + (e % 2) * 12, e % 2 ? 0.6f : 1.0f);
          break;
        case BassStyle::Drive:
          for (int e = 0; e < bpb * 2; ++e) play(e * 0.5, 0.42, root + ((e == 3 || e == 7) ? 12 : 0), 0.9f);
          break;
      }
    }
  }

  void Arp() {
    if (s.arpStyle == ArpStyle::None) return;
    for (int bar = 0; bar < s.bars; ++bar) {
      int d = ChordDegree(bar);
      int tones[4] = {StepNote(d), StepNote(d + 2), StepNote(d + 4), StepNote(d + 7)};
      for (int& t : tones) {
        while (t < s.tonic) t += 12;
      }
      double b0 = bar * s.beatsPerBar;
      switch (s.arpStyle) {
        case ArpStyle::Up8:
          for (int e = 0; e < s.beatsPerBar * 2; ++e) {
            const int order[8] = {0, 2, 1, 3, 2, 1, 3, 2};
            PlayNote(mix, s.arp, At(b0 + e * 0.5), At(0.9), tones[order[e]] - 12, s.arpGain, 0.35f);
          }
          break;
        case ArpStyle::Up16:
          for (int e = 0; e < s.beatsPerBar * 4; ++e)
            PlayNote(mix, s.arp, At(b0 + e * 0.25), At(0.2), tones[e % 4] + 12, s.arpGain * (e % 4 ? 0.7f : 1.0f),
                     e % 2 ? 0.45f : 0.25f);
          break;
        case ArpStyle::Broken:
          for (int e = 0; e < s.beatsPerBar; ++e) {
            const int order[4] = {0, 2, 1, 3};
            PlayNote(mix, s.arp, At(b0 + e + 0.5), At(0.45), tones[order[e % 4]] + 12, s.arpGain, 0.4f);
          }
          break;
        case ArpStyle::Waltz:
          for (int e = 1; e < s.beatsPerBar; ++e) {
            for (int k = 1; k < 3; ++k) PlayNote(mix, s.arp, At(b0 + e), At(0.6), tones[k], s.arpGain, k == 1 ? -0.3f : 0.3f);
          }
          break;
        case ArpStyle::None:
          break;
      }
    }
  }

  void Drums() {
    const int bpb = s.beatsPerBar;
    for (int bar = 0; bar < s.bars; ++bar) {
      double b0 = bar * bpb;
      bool fill = (bar % 8) == 7;
      auto hit = [&](Drum d, double beat, float g) {
        // Cymbals and shakers to the right, toms to the left, kick and snare centred.
        float pan = (d == Drum::HatClosed || d == Drum::HatOpen || d == Drum::Shaker) ? 0.35f
                    : d == Drum::Tom                                                  ? -0.3f
                                                                                      : 0.0f;
        PlayDrum(mix, d, At(b0 + beat), s.drumGain * g, pan);
      };
      switch (s.drums) {
        case DrumStyle::None:
          break;
        case DrumStyle::Soft:
          hit(Drum::Kick, 0, 0.8f);
          hit(Drum::Kick, 2.5, 0.5f);
          hit(Drum::Clap, 1, 0.35f);
          hit(Drum::Clap, 3, 0.35f);
          for (int e = 0; e < 8; ++e) hit(Drum::Shaker, e * 0.5, e % 2 ? 0.35f : 0.2f);
          break;
        case DrumStyle::Pop:
        case DrumStyle::Rock:
          hit(Drum::Kick, 0, 1);
          hit(Drum::Kick, 2, 0.9f);
          if (s.drums == DrumStyle::Rock) { hit(Drum::Kick, 2.5, 0.7f); hit(Drum::Kick, 0.75, 0.6f); }
          hit(Drum::Snare, 1, 0.7f);
          hit(Drum::Snare, 3, 0.7f);
          for (int e = 0; e < 8; ++e) hit(Drum::HatClosed, e * 0.5, e % 2 ? 0.3f : 0.45f);
          break;
        case DrumStyle::Shuffle:
          hit(Drum::Kick, 0, 0.9f);
          hit(Drum::Kick, 2, 0.7f);
          hit(Drum::Snare, 1, 0.45f);
          hit(Drum::Snare, 3, 0.45f);
          for (int q = 0; q < 4; ++q) { hit(Drum::HatClosed, q, 0.4f); hit(Drum::HatClosed, q + 0.67, 0.25f); }
          break;
        case DrumStyle::Brushes:
          hit(Drum::Kick, 0, 0.45f);
          hit(Drum::Kick, 2, 0.35f);
          for (int q = 0; q < 4; ++q) { hit(Drum::Brush, q, q % 2 ? 0.5f : 0.3f); hit(Drum::Brush, q + 0.67, 0.2f); }
          break;
        case DrumStyle::Funk: {
          const double kicks[4] = {0, 0.75, 2.25, 2.5};
          for (double k : kicks) hit(Drum::Kick, k, 0.85f);
          hit(Drum::Snare, 1, 0.6f);
          hit(Drum::Snare, 3, 0.6f);
          hit(Drum::Snare, 3.75, 0.2f);
          for (int e = 0; e < 16; ++e) hit(Drum::HatClosed, e * 0.25, e % 4 == 2 ? 0.4f : 0.2f);
          break;
        }
        case DrumStyle::FourFloor:
          for (int q = 0; q < 4; ++q) { hit(Drum::Kick, q, 0.9f); hit(Drum::HatOpen, q + 0.5, 0.25f); }
          hit(Drum::Clap, 1, 0.5f);
          hit(Drum::Clap, 3, 0.5f);
          for (int e = 0; e < 16; ++e) hit(Drum::HatClosed, e * 0.25, 0.15f);
          break;
        case DrumStyle::Waltz:
          hit(Drum::Kick, 0, 0.7f);
          hit(Drum::Shaker, 1, 0.4f);
          hit(Drum::Shaker, 2, 0.4f);
          break;
      }
      if (fill && s.drums != DrumStyle::None && s.drums != DrumStyle::Waltz) {
        for (int e = 0; e < 4; ++e) hit(e < 2 ? Drum::Tom : Drum::Snare, bpb - 1 + e * 0.25, 0.3f + e * 0.1f);
      }
    }
  }

  // A two-bar motif: rhythm in beats and melody steps relative to a start.
  struct Motif {
    std::vector<double> start, length;
    std::vector<int> step;
  };

  Motif MakeMotif(bool cadence) {
    static const std::vector<std::vector<double>> calm = {
        {1, 1, 2}, {2, 1, 1}, {1.5, 0.5, 2}, {3, 1}, {1, 1, 1, 1}, {2, 2}};
    static const std::vector<std::vector<double>> busy = {
        {0.5, 0.5, 1, 1, 1}, {1, 0.5, 0.5, 1, 1}, {0.5, 0.5, 0.5, 0.5, 2}, {1.5, 0.5, 1, 1},
        {0.75, 0.75, 0.5, 1, 1}, {0.5, 1, 0.5, 2}};
    Motif m;
    double beat = 0;
    const double span = 2.0 * s.beatsPerBar;
    int step = 0;
    while (beat < span - 0.01) {
      const auto& pool = Random() < s.density ? busy : calm;
      const auto& cell = pool[Pick(static_cast<int>(pool.size()))];
      for (double len : cell) {
        if (beat >= span - 0.01) break;
        len = std::min(len, span - beat);
        bool rest = Random() < 0.08 && beat > 0;
        if (!rest) {
          m.start.push_back(beat);
          m.length.push_back(len);
          m.step.push_back(step);
        }
        beat += len;
        int move = Pick(5) - 2;  // -2 .. 2 scale steps
        if (Random() < 0.15) move *= 2;
        step = std::max(-4, std::min(6, step + move));
      }
    }
    if (cadence && !m.start.empty()) {  // end the phrase on a long home note
      m.step.back() = 0;
      m.length.back() = span - m.start.back();
    }
    return m;
  }

  void Melody() {
    const int bpb = s.beatsPerBar;
    Motif a = MakeMotif(false), b = MakeMotif(false), c = MakeMotif(false), end = MakeMotif(true);
    Motif d = MakeMotif(false), e = MakeMotif(true);
    // Form per eight bars: A B A' end, then a contrasting C D C E, and so on.
    const Motif* form[8] = {&a, &b, &a, &end, &c, &d, &c, &e};
    int homeStep = 0;
    while (StepNote(homeStep) < s.leadOctave) ++homeStep;
    for (int pair = 0; pair * 2 < s.bars; ++pair) {
      const Motif& m = *form[pair % 8];
      // The third section of a long track plays the opening an octave up.
      int lift = ((pair / 8) % 3 == 2) ? 7 : 0;
      for (size_t k = 0; k < m.start.size(); ++k) {
        double beat = pair * 2.0 * bpb + m.start[k];
        int bar = static_cast<int>(beat / bpb);
        int st = homeStep + m.step[k] + lift;
        // Strong beats lean onto the chord of their bar.
        bool strong = std::fabs(m.start[k] - std::round(m.start[k])) < 1e-6 && static_cast<int>(m.start[k]) % 2 == 0;
        if (strong) {
          for (int off : {0, -1, 1, -2, 2}) {
            if (IsChordStep(st + off, bar)) { st += off; break; }
          }
        }
        float vel = s.leadGain * (strong ? 1.0f : 0.8f);
        PlayNote(mix, s.lead, At(beat), At(m.length[k] * 0.92), StepNote(st), vel, -0.12f);
      }
    }
  }

  std::vector<float> Compose() {
    // The tune leads the mix; bass and drums stay under it.
    s.leadGain *= 1.4f;
    s.bassGain *= 0.7f;
    s.drumGain *= 0.75f;
    Pad();
    Bass();
    Arp();
    Drums();
    Melody();
    AddRoom(mix, s.drums == DrumStyle::None ? 0.35f : 0.22f);
    std::vector<float> out(mix.left.size() * 2);  // interleaved left, right
    for (size_t i = 0; i < mix.left.size(); ++i) {
      out[2 * i] = mix.left[i];
      out[2 * i + 1] = mix.right[i];
    }
    Normalise(out, 1.0f);
    for (float& v : out) v = 0.92f * std::tanh(1.15f * v);  // gentle limiter
    return out;
  }
};

}  // namespace

bool GenerateMusicTrack(const DataFile& file, const GenContext& ctx) {
  Composer composer(Style(file.param));
  std::vector<float> samples = composer.Compose();
  std::vector<uint8_t> ogg = EncodeOgg(samples, 2, 0.3);
  return !ogg.empty() && WriteOutputFile(OutputPathFor(ctx, file.path), ogg);
}
