#pragma once
// The backing music of the splash: a short tune played by a small additive
// synthesiser (a marimba-like lead, a plucked bass, soft chords and a shaker),
// written as a mono 16-bit WAV file. Every note has died away before the end,
// and the first note rises from silence, so the tune loops without a click
// whether the player restarts it at once or after a short pause.

#include <cstdint>
#include <string>
#include <vector>

namespace tanvorel::media {

inline constexpr int kSampleRate = 32000;

// The whole tune, one loop, as samples in [-1, 1].
std::vector<float> RenderTune();

// Writes 16-bit PCM mono WAV; false when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate);

}  // namespace tanvorel::media
