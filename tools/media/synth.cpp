#include "tools/media/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace tanvorel::media {

namespace {

constexpr double kBeatsPerMinute = 116.0;
constexpr double kSecondsPerBeat = 60.0 / kBeatsPerMinute;
constexpr int kBars = 8;
constexpr int kBeatsPerBar = 4;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A note: when it starts and how long it is held, in beats.
struct Note {
  double beat;
  double beats;
  int midi;
};

// Middle C is 60.
enum : int { C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, A4 = 69, B4 = 71 };
constexpr int Oct(int note, int octaves) { return note + 12 * octaves; }

// The tune: eight bars in C major, C Am F G | C Am Dm-G C.
std::vector<Note> Melody() {
  const int E5 = Oct(E4, 1), F5 = Oct(F4, 1), G5 = Oct(G4, 1), A5 = Oct(A4, 1),
            B5 = Oct(B4, 1), C6 = Oct(C4, 2), D6 = Oct(D4, 2), E6 = Oct(E4, 2);
  std::vector<Note> notes;
  auto bar = [&](int b, std::initializer_list<std::pair<double, int>> line) {
    double at = b * kBeatsPerBar;
    for (const auto& [beats, midi] : line) {
      if (midi > 0) notes.push_back({at, beats, midi});
      at += beats;
    }
  };
  bar(0, {{0.5, E5}, {0.5, G5}, {1, C6}, {0.5, B5}, {0.5, A5}, {1, G5}});
  bar(1, {{0.5, A5}, {0.5, C6}, {1, E6}, {0.5, D6}, {0.5, C6}, {1, A5}});
  bar(2, {{0.5, F5}, {0.5, A5}, {1, C6}, {0.5, A5}, {0.5, F5}, {1, A5}});
  bar(3, {{1, G5}, {0.5, B5}, {0.5, D6}, {1.5, G5}, {0.5, 0}});
  bar(4, {{0.5, E6}, {0.5, D6}, {1, C6}, {0.5, G5}, {0.5, E5}, {1, G5}});
  bar(5, {{0.5, A5}, {0.5, B5}, {1, C6}, {1, E6}, {1, C6}});
  bar(6, {{0.5, D6}, {0.5, C6}, {0.5, A5}, {0.5, F5}, {0.5, G5}, {0.5, B5}, {0.5, D6}, {0.5, B5}});
  bar(7, {{2, C6}, {2, 0}});
  return notes;
}

// Root and fifth of each bar's chord, two octaves down.
std::vector<Note> Bass() {
  const int roots[kBars][2] = {{C4, G4}, {A4, E4}, {F4, C4}, {G4, D4}, {C4, G4}, {A4, E4}, {D4, G4}, {C4, 0}};
  std::vector<Note> notes;
  for (int b = 0; b < kBars; ++b) {
    for (int half = 0; half < 2; ++half) {
      const int root = roots[b][half];
      if (root == 0) continue;
      notes.push_back({b * kBeatsPerBar + half * 2.0, 1.6, Oct(root, -2)});
    }
  }
  return notes;
}

// Soft triads held through each bar (the seventh bar changes halfway).
std::vector<Note> Chords() {
  struct Chord { double beat, beats; int a, b, c; };
  const Chord chords[] = {
      {0, 3.6, C4, E4, G4},  {4, 3.6, A4 - 12, C4, E4}, {8, 3.6, F4 - 12, A4 - 12, C4}, {12, 3.6, G4 - 12, B4 - 12, D4},
      {16, 3.6, C4, E4, G4}, {20, 3.6, A4 - 12, C4, E4}, {24, 1.8, D4, F4, A4},           {26, 1.8, G4 - 12, B4 - 12, D4},
      {28, 2.5, C4, E4, G4}};
  std::vector<Note> notes;
  for (const Chord& c : chords)
    for (int midi : {c.a, c.b, c.c}) notes.push_back({c.beat, c.beats, midi});
  return notes;
}

// Adds `voice(t)` for t in [0, length) seconds from `start`, under an
// envelope that rises in `attack` seconds and falls to zero over the last
// `release` seconds. Nothing is written past the end of the buffer.
template <typename Voice>
void AddNote(std::vector<float>& out, double start, double length, double attack, double release, double gain,
             Voice voice) {
  const auto first = static_cast<std::size_t>(std::llround(start * kSampleRate));
  const auto count = static_cast<std::size_t>(std::llround(length * kSampleRate));
  for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double env = 1.0;
    if (t < attack) env = t / attack;
    const double left = length - t;
    if (left < release) env *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / release);
    out[first + i] += static_cast<float>(gain * env * voice(t));
  }
}

}  // namespace

std::vector<float> RenderTune() {
  const double total = kBars * kBeatsPerBar * kSecondsPerBeat;
  std::vector<float> out(static_cast<std::size_t>(std::llround(total * kSampleRate)), 0.0f);
  // Every note must have died away before the loop comes round.
  const double lastEnd = total - 0.05;
  auto ring = [&](double start, double wanted) { return std::max(0.0, std::min(wanted, lastEnd - start)); };

  // Lead: a struck bar, the fundamental with its bright fourth partial that
  // dies away much faster.
  for (const Note& n : Melody()) {
    const double start = n.beat * kSecondsPerBeat, f = Hz(n.midi);
    AddNote(out, start, ring(start, n.beats * kSecondsPerBeat + 0.35), 0.004, 0.06, 0.30, [f](double t) {
      return std::exp(-t / 0.45) * std::sin(kTwoPi * f * t) + 0.35 * std::exp(-t / 0.06) * std::sin(kTwoPi * 3.99 * f * t) +
             0.08 * std::exp(-t / 0.2) * std::sin(kTwoPi * 2.0 * f * t);
    });
  }
  // Bass: a round pluck.
  for (const Note& n : Bass()) {
    const double start = n.beat * kSecondsPerBeat, f = Hz(n.midi);
    AddNote(out, start, ring(start, n.beats * kSecondsPerBeat), 0.006, 0.08, 0.32, [f](double t) {
      return std::exp(-t / 0.5) * (std::sin(kTwoPi * f * t) + 0.25 * std::sin(kTwoPi * 2 * f * t) +
                                   0.1 * std::sin(kTwoPi * 3 * f * t));
    });
  }
  // Chords: a quiet pad with a slow swell and a gentle vibrato.
  for (const Note& n : Chords()) {
    const double start = n.beat * kSecondsPerBeat, f = Hz(n.midi);
    AddNote(out, start, ring(start, n.beats * kSecondsPerBeat), 0.12, 0.25, 0.045, [f](double t) {
      const double phase = kTwoPi * f * t + 0.02 * std::sin(kTwoPi * 5.0 * t);
      return std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
    });
  }
  // Shaker on the off-beats, and a wooden knock, like bat on ball, at the
  // start of every other bar.
  std::mt19937 noise(2024);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  for (int beat = 0; beat < kBars * kBeatsPerBar - 2; ++beat) {
    const double start = (beat + 0.5) * kSecondsPerBeat;
    double last = 0;
    AddNote(out, start, ring(start, 0.09), 0.003, 0.03, 0.05, [&](double t) {
      const double white = uniform(noise);
      const double bright = white - last;  // a crude high-pass: the hiss of the beads
      last = white;
      return std::exp(-t / 0.025) * bright;
    });
  }
  for (int bar = 0; bar < kBars; bar += 2) {
    const double start = bar * kBeatsPerBar * kSecondsPerBeat;
    AddNote(out, start, ring(start, 0.12), 0.002, 0.04, 0.22, [](double t) {
      return std::exp(-t / 0.03) * (std::sin(kTwoPi * 820 * t) + 0.5 * std::sin(kTwoPi * 1370 * t));
    });
  }

  // Level: the loudest sample at about -3 dB.
  float peak = 0.0f;
  for (float s : out) peak = std::max(peak, std::abs(s));
  if (peak > 0.0f)
    for (float& s : out) s *= 0.7f / peak;
  return out;
}

bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  auto u32 = [&](std::uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    std::fwrite(b, 1, 4, file);
  };
  auto u16 = [&](std::uint16_t v) {
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, file);
  };
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::fwrite("RIFF", 1, 4, file);
  u32(36 + dataBytes);
  std::fwrite("WAVEfmt ", 1, 8, file);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<std::uint32_t>(sampleRate));
  u32(static_cast<std::uint32_t>(sampleRate * 2));
  u16(2);
  u16(16);
  std::fwrite("data", 1, 4, file);
  u32(dataBytes);
  for (float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  return std::fclose(file) == 0;
}

}  // namespace tanvorel::media
