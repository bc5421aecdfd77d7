#include "tests/media/audio_capture.h"

#include <cmath>
#include <cstdlib>
#include <fstream>

AudioCapture::AudioCapture() {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (dir_ / "out.raw").c_str(), 1);
}

AudioCapture::~AudioCapture() {
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
}

std::vector<std::int16_t> AudioCapture::samples() const {
    const std::string bytes = readBytes(dir_ / "out.raw");
    std::vector<std::int16_t> left(bytes.size() / 4);
    for (std::size_t i = 0; i < left.size(); ++i) {
        const auto lo = static_cast<std::uint8_t>(bytes[i * 4]);
        const auto hi = static_cast<std::uint8_t>(bytes[i * 4 + 1]);
        left[i] = static_cast<std::int16_t>(lo | hi << 8);
    }
    return left;
}

namespace {

// Amplitude of the frequency's component in one window (Goertzel).
double toneAmplitude(const std::int16_t* window, double frequency) {
    const double coefficient = 2.0 * std::cos(2.0 * M_PI * frequency / kCaptureRate);
    double previous = 0.0, beforePrevious = 0.0;
    for (int i = 0; i < kWindowFrames; ++i) {
        const double current = window[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / kWindowFrames;
}

}  // namespace

ToneSpan findTone(const std::vector<std::int16_t>& samples, double frequency) {
    // The test tones are at half full scale; a fifth of that is unmistakably there.
    constexpr double kHeard = 3000.0;
    ToneSpan span;
    for (std::size_t start = 0, index = 0; start + kWindowFrames <= samples.size();
         start += kWindowFrames, ++index) {
        if (toneAmplitude(&samples[start], frequency) < kHeard) continue;
        if (span.first < 0) span.first = static_cast<int>(index);
        span.last = static_cast<int>(index);
        ++span.windows;
    }
    return span;
}

int peakAmplitude(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
    return peak;
}
