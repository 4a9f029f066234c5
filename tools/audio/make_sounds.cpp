// Makes the game's three sound effects as 16-bit mono PCM WAV files at 44100 Hz:
//   eat.wav    two quick rising blips, bright (odd harmonics), 0.14 s: a munch
//   death.wav  a tone falling four octaves, 880 Hz to 55 Hz, with vibrato, 0.9 s
//   over.wav   a sad cadence sinking a semitone at a time, G4 F#4 F4 E4, the last long
// Usage: make_sounds OUTPUT_DIR. Peaks stay at -6 dBFS so they mix over the music.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100;
constexpr double PI = 3.14159265358979323846;
constexpr double PEAK = 0.5; // -6 dBFS

using Samples = std::vector<double>;

// A tone whose frequency glides exponentially from f0 to f1 with the given harmonic
// amplitudes, shaped by a 5 ms attack and an exponential decay to about -40 dB at its end.
void addTone(Samples& out, double at, double seconds, double f0, double f1,
             const std::vector<double>& harmonics, double vibratoDepth = 0) {
    const size_t first = static_cast<size_t>(at * RATE);
    const size_t count = static_cast<size_t>(seconds * RATE);
    if (out.size() < first + count)
        out.resize(first + count);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / RATE;
        const double glide = f0 * std::pow(f1 / f0, t / seconds);
        const double f = glide * (1 + vibratoDepth * std::sin(2 * PI * 6 * t));
        phase += 2 * PI * f / RATE;
        double v = 0;
        for (size_t h = 0; h < harmonics.size(); ++h)
            v += harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
        const double envelope = std::min(1.0, t / 0.005) * std::exp(-4.6 * t / seconds);
        out[first + i] += v * envelope;
    }
}

void normalise(Samples& samples) {
    double peak = 0;
    for (double v : samples)
        peak = std::max(peak, std::fabs(v));
    for (double& v : samples)
        v *= PEAK / peak;
}

void put(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>(value >> (8 * i) & 0xFF));
}

bool writeWav(const std::string& path, Samples samples) {
    normalise(samples);
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);       // format chunk size
    put(out, 1, 2);        // PCM
    put(out, 1, 2);        // mono
    put(out, RATE, 4);     // frames a second
    put(out, RATE * 2, 4); // bytes a second
    put(out, 2, 2);        // bytes a frame
    put(out, 16, 2);       // bits a sample
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (double v : samples)
        put(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767))), 2);
    return static_cast<bool>(out);
}

Samples eat() {
    const std::vector<double> square = {1, 0, 1.0 / 3, 0, 1.0 / 5, 0, 1.0 / 7};
    Samples s;
    addTone(s, 0.00, 0.06, 520, 1040, square);
    addTone(s, 0.07, 0.07, 780, 1560, square);
    return s;
}

Samples death() {
    const std::vector<double> mellow = {1, 0.3, 0.15, 0.05};
    Samples s;
    addTone(s, 0, 0.9, 880, 55, mellow, 0.03);
    return s;
}

Samples over() {
    const std::vector<double> brass = {1, 0.6, 0.4, 0.25, 0.15};
    const double notes[] = {392.00, 369.99, 349.23, 329.63}; // G4 F#4 F4 E4
    const double lengths[] = {0.32, 0.32, 0.32, 1.2};
    Samples s;
    double at = 0;
    for (int i = 0; i < 4; ++i) {
        addTone(s, at, lengths[i], notes[i], notes[i] * (i == 3 ? 0.97 : 1), brass,
                i == 3 ? 0.012 : 0);
        at += lengths[i];
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = writeWav(dir + "/eat.wav", eat()) && writeWav(dir + "/death.wav", death()) &&
                    writeWav(dir + "/over.wav", over());
    if (!ok)
        std::fprintf(stderr, "make_sounds: cannot write to %s\n", dir.c_str());
    return ok ? 0 : 1;
}
