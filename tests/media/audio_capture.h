// The mixer's output captured through SDL's disk audio driver, which writes
// the 16-bit stereo samples at 44.1 kHz to a file in real time, and the few
// measures the tests read from it.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/imaging/scratch_dir.h"

class AudioCapture {
  public:
    // Must exist before the first graph opens the output.
    AudioCapture();
    ~AudioCapture();
    AudioCapture(const AudioCapture&) = delete;
    AudioCapture& operator=(const AudioCapture&) = delete;

    // The left channel; read it once the last graph is released and the output closed.
    std::vector<std::int16_t> samples() const;

  private:
    ScratchDir dir_;
};

inline constexpr int kCaptureRate = 44100;
inline constexpr int kWindowFrames = kCaptureRate / 100;  // measures are per 10 ms

// Where a tone is heard: the first and last 10 ms window holding it, and how
// many windows do.
struct ToneSpan {
    int first = -1;
    int last = -1;
    int windows = 0;
    double seconds() const { return windows == 0 ? 0.0 : (last - first + 1) / 100.0; }
};
ToneSpan findTone(const std::vector<std::int16_t>& samples, double frequency);

// The largest magnitude of any sample.
int peakAmplitude(const std::vector<std::int16_t>& samples);
