// The audio device through SDL2_mixer: 44100 Hz, 16-bit stereo, 1024-frame buffers (23 ms).
// The device is opened with no format changes allowed, so the music renderer always gets
// interleaved 16-bit stereo at AUDIO_SAMPLE_RATE (SDL converts for the hardware).
// One mixer channel plays the sound effects, so a new effect cuts off the old one; the
// music renderer writes the stream first and the effect is mixed on top.
//
// Threads: everything here is called from the main thread, except mixMusic, which SDL
// calls on its audio thread with the device locked. Mix_HookMusic takes that lock too,
// which is how a renderer is swapped safely.
#include "platform/audio.h"
#include "platform/system.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace platform {

namespace {

constexpr int AUDIO_SAMPLE_RATE = 44100;
constexpr int BUFFER_FRAMES = 1024; // 1024 / 44100 = 23 ms
constexpr int EFFECT_CHANNEL = 0;
constexpr int BYTES_PER_FRAME = 4; // two 16-bit samples

struct Audio {
    bool open = false;
    std::unique_ptr<MusicRenderer> renderer;
    std::map<std::string, Mix_Chunk*> effects; // loaded on first play, by file name
};

Audio& audio() {
    static Audio instance;
    return instance;
}

void mixMusic(void* renderer, Uint8* stream, int bytes) {
    (*static_cast<MusicRenderer*>(renderer))(reinterpret_cast<short*>(stream),
                                             bytes / BYTES_PER_FRAME);
}

void hookRenderer() {
    MusicRenderer* renderer = audio().renderer.get();
    Mix_HookMusic(renderer ? mixMusic : nullptr, renderer);
}

Mix_Chunk* effect(const char* fileName) {
    auto& effects = audio().effects;
    auto found = effects.find(fileName);
    if (found != effects.end())
        return found->second;
    Mix_Chunk* chunk = Mix_LoadWAV(fileName);
    if (chunk) // a missing file is looked for again next time: it may have appeared
        effects.emplace(fileName, chunk);
    return chunk;
}

} // namespace

bool OpenAudio() {
    Audio& state = audio();
    if (state.open)
        return true;
    // Headless runs make their sound for no one unless a driver (disk, to analyse the
    // output) is named in SDL_AUDIODRIVER, which overrides this hint.
    if (IsHeadless() && !std::getenv("SDL_AUDIODRIVER"))
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudioDevice(AUDIO_SAMPLE_RATE, AUDIO_S16SYS, 2, BUFFER_FRAMES, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    state.open = true;
    hookRenderer();
    return true;
}

void CloseAudio() {
    Audio& state = audio();
    if (!state.open)
        return;
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    for (auto& [name, chunk] : state.effects)
        Mix_FreeChunk(chunk);
    state.effects.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    state.renderer.reset();
    state.open = false;
}

bool AudioAvailable() {
    return audio().open;
}

void SetMusicRenderer(MusicRenderer renderer) {
    Audio& state = audio();
    auto next = renderer ? std::make_unique<MusicRenderer>(std::move(renderer)) : nullptr;
    std::swap(state.renderer, next);
    if (state.open)
        hookRenderer();
    // next, the old renderer, is destroyed here: the hook no longer reaches it.
}

int AudioSampleRate() {
    return AUDIO_SAMPLE_RATE;
}

void PlaySound(const char* fileName) {
    if (!audio().open)
        return;
    if (Mix_Chunk* chunk = effect(fileName))
        Mix_PlayChannel(EFFECT_CHANNEL, chunk, 0);
    else
        Mix_HaltChannel(EFFECT_CHANNEL); // the new sound, silence, still replaces the old
}

} // namespace platform
