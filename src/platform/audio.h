// The audio device: sound effects (WAV files, one at a time) and a music stream rendered by
// the game's synthesiser into the device's buffer. Without an audio device (a server, CI)
// everything here reports unavailable and the game runs on silently.
#pragma once

#include <functional>

namespace platform {

// Opens the device; called once by the application at start-up. Returns false when there
// is no device (the game goes on silent).
bool OpenAudio();
void CloseAudio();
bool AudioAvailable();

// The music stream: fills frames stereo frames of interleaved 16-bit samples at
// AudioSampleRate(). Called on the audio thread; set to nullptr to stop the stream.
using MusicRenderer = std::function<void(short* stereo, int frames)>;
void SetMusicRenderer(MusicRenderer renderer);
int AudioSampleRate();

} // namespace platform
