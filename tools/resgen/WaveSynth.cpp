#include "tools/resgen/WaveSynth.h"

#include "tools/resgen/Maths.h"

#include <algorithm>
#include <cmath>

namespace ResGen {

namespace {

// Frequency of a note counted in semitones from A4 (440 Hz).
double Note(int semitones) {
    return 440.0 * Exp(semitones * 0.69314718055994530942 / 12);
}

struct Stereo {
    std::vector<double> left, right;
    explicit Stereo(std::size_t n) : left(n), right(n) {}
};

// A struck tone: quick attack, exponential ring, a few bright partials.
void AddBell(Stereo& out, int rate, double start, double length, double freq, double gain, double pan) {
    const std::size_t first = static_cast<std::size_t>(start * rate);
    const std::size_t count = static_cast<std::size_t>(length * rate);
    for (std::size_t i = 0; i < count && first + i < out.left.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::min(1.0, t / 0.004) * Exp(-t * 3.2) * std::min(1.0, (length - t) / 0.05);
        const double phase = 2 * kPi * freq * t;
        const double v = (Sine(phase) + 0.35 * Sine(2 * phase) * Exp(-t * 6) + 0.12 * Sine(3 * phase) * Exp(-t * 9)) *
                         envelope * gain;
        out.left[first + i] += v * (1 - pan) / 2;
        out.right[first + i] += v * (1 + pan) / 2;
    }
}

// A muted brass-like tone with a pitch that can sag and a slow vibrato.
void AddHorn(Stereo& out, int rate, double start, double length, double freq, double sag, double vibrato,
             double gain) {
    const std::size_t first = static_cast<std::size_t>(start * rate);
    const std::size_t count = static_cast<std::size_t>(length * rate);
    double phaseL = 0, phaseR = 0;
    for (std::size_t i = 0; i < count && first + i < out.left.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double bend = 1 - sag * t / length;
        const double wobble = 1 + vibrato * Sine(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.3);
        const double f = freq * bend * wobble;
        phaseL += 2 * kPi * f / rate;
        phaseR += 2 * kPi * f * 1.003 / rate;
        const double envelope = std::min(1.0, t / 0.04) * std::min(1.0, (length - t) / 0.12);
        double l = 0, r = 0;
        for (int h = 1; h <= 6; ++h) {
            l += Sine(h * phaseL) / (h * h * 0.6 + 0.4);
            r += Sine(h * phaseR) / (h * h * 0.6 + 0.4);
        }
        out.left[first + i] += l * envelope * gain;
        out.right[first + i] += r * envelope * gain;
    }
}

std::int16_t ToSample(double v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
}

// Every sound peaks at the same level, loud but well clear of clipping.
std::vector<std::int16_t> Normalize(const std::vector<double>& signal) {
    double peak = 0;
    for (double v : signal) {
        peak = std::max(peak, std::fabs(v));
    }
    const double gain = peak > 0 ? 0.7 / peak : 0;
    std::vector<std::int16_t> samples;
    samples.reserve(signal.size());
    for (double v : signal) {
        samples.push_back(ToSample(v * gain));
    }
    return samples;
}

std::vector<std::int16_t> Interleave(const Stereo& s) {
    std::vector<double> signal;
    signal.reserve(2 * s.left.size());
    for (std::size_t i = 0; i < s.left.size(); ++i) {
        signal.push_back(s.left[i]);
        signal.push_back(s.right[i]);
    }
    return Normalize(signal);
}

}  // namespace

std::vector<std::int16_t> WaveSynth::Fanfare() {
    const int rate = 48000;
    Stereo out(static_cast<std::size_t>(1.8 * rate));
    // C5 E5 G5 C6 climbing from left to right, then the chord with a high sparkle.
    const int arpeggio[] = {3, 7, 10, 15};
    for (int k = 0; k < 4; ++k) {
        AddBell(out, rate, 0.11 * k, 1.8 - 0.11 * k, Note(arpeggio[k]), 0.26, -0.6 + 0.4 * k);
    }
    for (int semitones : {3, 7, 10, 15}) {
        AddBell(out, rate, 0.5, 1.3, Note(semitones), 0.13, 0);
    }
    AddBell(out, rate, 0.5, 1.3, Note(22), 0.08, 0.4);
    AddBell(out, rate, 0.62, 1.18, Note(27), 0.06, -0.4);
    return Interleave(out);
}

std::vector<std::int16_t> WaveSynth::Lament() {
    const int rate = 48000;
    Stereo out(static_cast<std::size_t>(2.1 * rate));
    // G4, F#4, F4, then E4 held, drooping and wavering.
    AddHorn(out, rate, 0.00, 0.36, Note(-2), 0.0, 0.0, 0.22);
    AddHorn(out, rate, 0.38, 0.36, Note(-3), 0.0, 0.0, 0.22);
    AddHorn(out, rate, 0.76, 0.36, Note(-4), 0.0, 0.0, 0.22);
    AddHorn(out, rate, 1.14, 0.96, Note(-5), 0.06, 0.012, 0.24);
    return Interleave(out);
}

std::vector<std::int16_t> WaveSynth::Click() {
    const int rate = 44100;
    const std::size_t count = static_cast<std::size_t>(0.1 * rate);
    std::vector<double> signal(count);
    std::uint32_t noise = 12345;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (static_cast<double>(noise >> 8) / (1u << 24)) * 2 - 1;
        const double knock = Sine(2 * kPi * 1800 * t) * 0.8 + hiss * 0.35;
        const double envelope = std::min(1.0, t / 0.0005) * Exp(-t * 120);
        signal[i] = knock * envelope;
    }
    return Normalize(signal);
}

}  // namespace ResGen
