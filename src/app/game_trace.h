// The state trace of scripted runs: one JSON object per line, written when a timer call
// returns, so a nested call's line (a tick run by the name dialog's loop) comes before the
// line of the call it is nested in.
//
//   {"tick":T,"screen":"title"|"play"|"over","keys":K,"score":S,"lives":L,"level":V,
//    "apples":A,"bannerOn":0|1,"bannerFrames":n,"sound":0|1,"music":0|1,"hero":[x,y,z],
//    "heading":[x,y,z],"jumping":0|1,"jumpCounter":n,"ground":g,"bobPhase":n,
//    "slideGuard":0|1,"rng":R,"enemies":[[x,y,z],...],"best":[[name,score],...]}
//
// and "paused":1 after "best" while play is paused because the player looks away (a line
// without it is of a game that is not paused, so runs that never pause keep their lines).
//
// Floats are printed with %.9g so that they read back as the same 32-bit value. Each line
// is flushed as it is written; writing allocates nothing.
#pragma once

#include <cstdio>
#include <string>

class GameState;

class GameTrace {
public:
    // An empty path gives a trace that writes nothing.
    explicit GameTrace(const std::string& path);
    ~GameTrace();
    GameTrace(const GameTrace&) = delete;
    GameTrace& operator=(const GameTrace&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // paused adds "paused":1 to the line; a line without it is of a game not paused.
    void write(long tick, const GameState& game, bool paused);

private:
    std::FILE* file_ = nullptr;
};

// Writes text as a JSON string, quotes included; bytes of 0x80 and above are Latin-1
// characters and become \u00XX escapes.
void writeJsonString(std::FILE* file, const char* text);
