// What each fuzzer does with its bytes. The fuzzers and the regression tests of
// tests/fuzz call the same checks, so a saved input replays exactly as the
// fuzzer ran it. A check runs the bytes through the code under test and judges
// the result against that code's promises.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct FuzzOutcome {
    bool accepted = false;  // the input was taken as valid (a script, a picture, a sound)
    std::string fault;      // empty, or one line naming the promise the code broke
};

// The bytes as a key script of the trace tools.
FuzzOutcome checkKeyScript(const std::uint8_t* data, std::size_t size);
// The bytes as a picture file, decoded by the imaging factory and converted
// to premultiplied BGRA, as the game loads its pictures.
FuzzOutcome checkImage(const std::uint8_t* data, std::size_t size);
// The bytes as a sound file rendered into a filter graph, as the game loads
// its sounds; SDL's dummy audio driver unless SDL_AUDIODRIVER says otherwise.
FuzzOutcome checkSound(const std::uint8_t* data, std::size_t size);
