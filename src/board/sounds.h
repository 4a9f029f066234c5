// Sound codes of the game's effects and the files that hold them.
#pragma once

constexpr int SOUND_EAT = 1;       // "eat.wav": an apple is eaten
constexpr int SOUND_DEATH = 2;     // "death.wav": an enemy touches the Hero
constexpr int SOUND_GAME_OVER = 3; // "over.wav": the last life is lost
