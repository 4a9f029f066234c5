// The five best results, index 0 the best, and their file "scores.dat": five lines of name,
// tab and decimal score. The table is never sorted; its order comes from the insertion rule.
#pragma once

#include <string>

constexpr int SCORE_ENTRY_COUNT = 5;
extern const char* const DEFAULT_ENTRY_NAME;
extern const char* const SCORES_FILE_NAME; // "scores.dat"

struct ScoreEntry {
    std::string name;
    int score = 0;
};

class ScoreTable {
public:
    void reset();
    void load();
    void save() const;
    // Index of the first entry whose score is strictly less than score, or -1 for none.
    int findRank(int score) const;
    // Moves entries index .. 3 one place down; the old last entry is lost.
    void makeRoom(int index);
    void set(int index, const std::string& name, int score);
    const ScoreEntry& entry(int index) const;

private:
    ScoreEntry entries_[SCORE_ENTRY_COUNT];
};
