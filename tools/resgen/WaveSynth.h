#pragma once

#include <cstdint>
#include <vector>

namespace ResGen {

// The program's three sounds as 16-bit samples (stereo ones interleaved).
class WaveSynth {
public:
    // 48 000 Hz stereo, about 1.8 s: a rising major arpeggio ringing into a chord.
    static std::vector<std::int16_t> Fanfare();
    // 48 000 Hz stereo, about 2.1 s: four falling notes, the last one sagging.
    static std::vector<std::int16_t> Lament();
    // 44 100 Hz mono, 0.1 s: a short wooden click.
    static std::vector<std::int16_t> Click();
};

}  // namespace ResGen
