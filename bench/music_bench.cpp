// The cost of the music: loading the soundfont (once, at the first start of the music) and
// rendering the game's piece, in frames of 44100 Hz stereo, as the audio thread does.
// The piece is read from the build's run folder (MUNCHORA_RUN_DIR) or the working directory.
// core_percent is the share of one core that rendering in real time takes: 100 x CPU time
// / audio time (an inverted rate, so the report adds an "s": "0.86s" is 0.86 %).
#include "music/midi_file.h"
#include "music/synthesiser.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100;
constexpr int BUFFER = 1024; // the audio device's buffer
constexpr int SECONDS = 10;

std::shared_ptr<const MidiSong> sonatina() {
    const char* dir = std::getenv("MUNCHORA_RUN_DIR");
    auto result = readMidiFile(std::string(dir ? dir : ".") + "/SONAT_A1.MID");
    if (!std::holds_alternative<MidiSong>(result))
        return nullptr;
    return std::make_shared<const MidiSong>(std::move(std::get<MidiSong>(result)));
}

void loadSoundFont(benchmark::State& state) {
    const std::string path = findSoundFont();
    for (auto _ : state) {
        Synthesiser synth(RATE, path);
        if (!synth.ok())
            state.SkipWithError("no soundfont");
    }
}
BENCHMARK(loadSoundFont)->Unit(benchmark::kMillisecond);

// Ten seconds of the piece from the given second (the busiest passages are in the middle).
void renderMusic(benchmark::State& state) {
    const auto song = sonatina();
    Synthesiser synth(RATE, findSoundFont());
    if (!song || !synth.ok()) {
        state.SkipWithError("no music file or no soundfont");
        return;
    }
    Sequencer sequencer(RATE);
    std::vector<short> buffer(2 * BUFFER);
    for (auto _ : state) {
        sequencer.play(song, static_cast<uint32_t>(state.range(0) * 1000), synth);
        for (int frames = 0; frames < SECONDS * RATE; frames += BUFFER)
            sequencer.render(synth, buffer.data(), BUFFER);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["core_percent"] =
        benchmark::Counter(SECONDS / 100.0, benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}
BENCHMARK(renderMusic)->Arg(0)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

void parseMusic(benchmark::State& state) {
    const char* dir = std::getenv("MUNCHORA_RUN_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/SONAT_A1.MID";
    for (auto _ : state)
        benchmark::DoNotOptimize(readMidiFile(path));
}
BENCHMARK(parseMusic)->Unit(benchmark::kMicrosecond);

} // namespace
