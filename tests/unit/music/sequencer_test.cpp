// The sequencer: each event reaches the synthesiser at its own frame, a start position
// skips notes but keeps the sound settings, and stop means silence.
#include "music/sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

constexpr int RATE = 44100; // 441 frames every 10 ms

// Records what reaches it; its "audio" is the count of frames rendered so far.
struct RecordingSink : MidiSink {
    std::vector<std::pair<uint64_t, MidiEvent>> sent; // frame, event
    uint64_t frames = 0;
    int resets = 0;

    void send(const MidiEvent& event) override { sent.push_back({frames, event}); }
    void synthesize(short* stereo, int count) override {
        std::fill(stereo, stereo + 2 * count, short(1));
        frames += count;
    }
    void reset() override { ++resets; }
};

std::shared_ptr<const MidiSong> song(std::vector<MidiEvent> events) {
    return std::make_shared<const MidiSong>(MidiSong{0, 0, 0, std::move(events), 0});
}

// What reached the sink: frame, status and first data byte of each event.
using Received = std::vector<std::tuple<uint64_t, int, int>>;
Received received(const RecordingSink& sink) {
    Received out;
    for (const auto& [frame, event] : sink.sent)
        out.emplace_back(frame, event.status, event.data1);
    return out;
}

// Renders total frames in buffers of the given size; returns the last buffer.
std::vector<short> renderFrames(Sequencer& sequencer, RecordingSink& sink, int total, int buffer) {
    std::vector<short> audio(2 * buffer);
    for (int done = 0; done < total; done += buffer)
        sequencer.render(sink, audio.data(), std::min(buffer, total - done));
    return audio;
}

} // namespace

TEST(Sequencer, EventsArriveAtTheirFramesWhateverTheBufferSize) {
    const auto piece = song({{0, 0xC0, 0, 0},
                             {10000, 0x90, 60, 90},
                             {10000, 0x90, 64, 90},
                             {1000000, 0x80, 60, 0},
                             {1000010, 0x80, 64, 0}});
    // 10 ms = 441 frames; 1 s = 44100 frames, and 1.00001 s rounds down to the same frame.
    const Received expected{
        {0, 0xC0, 0}, {441, 0x90, 60}, {441, 0x90, 64}, {44100, 0x80, 60}, {44100, 0x80, 64}};
    for (int buffer : {1, 64, 1000, 4096}) {
        Sequencer sequencer(RATE);
        RecordingSink sink;
        sequencer.play(piece, 0, sink);
        renderFrames(sequencer, sink, RATE + 1, buffer);
        EXPECT_EQ(received(sink), expected) << buffer;
        EXPECT_EQ(sink.frames, uint64_t(RATE + 1));
        EXPECT_DOUBLE_EQ(sequencer.positionMs(), (RATE + 1) * 1000.0 / RATE);
    }
}

// Voices ring on past the last event; an event at 1e21 us (4.4e22 frames, beyond 64
// bits, where a hostile file can get) waits forever instead of overflowing to now.
TEST(Sequencer, ItRendersOnPastTheEndAndAFarEventNeverComes) {
    const MidiEvent on{0, 0x90, 60, 90}, far{1e21, 0x80, 60, 0};
    for (const auto& events : {std::vector<MidiEvent>{on}, std::vector<MidiEvent>{on, far}}) {
        Sequencer sequencer(RATE);
        RecordingSink sink;
        sequencer.play(song(events), 0, sink);
        const std::vector<short> audio = renderFrames(sequencer, sink, 4096, 1024);
        EXPECT_EQ(sink.sent.size(), 1u);
        EXPECT_EQ(sink.frames, 4096u);
        EXPECT_TRUE(std::all_of(audio.begin(), audio.end(), [](short v) { return v == 1; }));
    }
}

TEST(Sequencer, AStartPositionSkipsNotesButKeepsProgramsAndControllers) {
    const auto piece = song({{0, 0xC0, 5, 0},
                             {0, 0x90, 60, 90},
                             {100000, 0xB0, 7, 100},
                             {200000, 0x80, 60, 0},
                             {300000, 0x90, 62, 90}});
    Sequencer sequencer(RATE);
    RecordingSink sink;
    sequencer.play(piece, 250, sink);
    EXPECT_DOUBLE_EQ(sequencer.positionMs(), 250);
    renderFrames(sequencer, sink, RATE / 10, 256);
    // The note at 300 ms comes 50 ms in.
    EXPECT_EQ(received(sink), (Received{{0, 0xC0, 5}, {0, 0xB0, 7}, {RATE / 20, 0x90, 62}}));
}

TEST(Sequencer, StoppedItIsSilentWithEveryVoiceCut) {
    Sequencer sequencer(RATE);
    RecordingSink sink;
    const auto piece = song({{0, 0x90, 60, 90}, {500000, 0x80, 60, 0}});
    sequencer.play(piece, 0, sink);
    renderFrames(sequencer, sink, RATE / 2, 512);
    sequencer.stop(sink);
    EXPECT_FALSE(sequencer.playing());
    EXPECT_EQ(sink.resets, 2); // one for play, one for stop: no voice may hang on

    std::vector<short> audio(2 * 256, 7);
    sequencer.render(sink, audio.data(), 256);
    EXPECT_TRUE(std::all_of(audio.begin(), audio.end(), [](short s) { return s == 0; }));
    EXPECT_EQ(sink.frames, uint64_t(RATE / 2)); // the synthesiser was not run
}
