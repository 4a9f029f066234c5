// The music window on a clock the test sets, with its message boxes collected instead of
// shown (a desktop message box would wait for a person).
#pragma once

#include "music/music_dialog.h"

#include <string>
#include <vector>

class ClockedMusicDialog : public MusicDialog {
public:
    uint32_t now = 0;
    mutable std::vector<std::string> messages;

protected:
    uint32_t tickCount() const override { return now; }
    void report(const char* text) const override { messages.emplace_back(text); }
};
