// The best-scores table and its file "scores.dat": one line per entry, the name, a tab and
// the score in decimal, in table order.
//
// Reading is forgiving: a line without a tab (or a file shorter than five lines) leaves its
// entry at the default, a score is the decimal number at the start of the text after the
// tab, held to the range of an int. Writing keeps every line within the 1023 characters a
// formatted line holds by shortening the name, never the score, and puts no tab or line
// break of a name into the file, where it would split the entry.
#include "scores/score_table.h"

#include "scores/text_lines.h"

#include <algorithm>
#include <climits>
#include <cstdio>

const char* const DEFAULT_ENTRY_NAME = "Nobody";
const char* const SCORES_FILE_NAME = "scores.dat";

namespace {

constexpr size_t MAX_LINE_CHARS = 1023; // the formatted line's buffer holds 1024 bytes

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Leading blanks, one optional sign, then digits up to the first other character; 0 when
// there are none. Values beyond an int stop at its limits.
int parseScore(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long magnitude = 0;
    const long long limit = negative ? -(long long)INT_MIN : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    return int(negative ? -magnitude : magnitude);
}

// The name as it can be saved with this score: line breaks and tabs become blanks and the
// name is cut so that "name<TAB>score" fits one line.
std::string savedName(const ScoreEntry& entry) {
    size_t scoreChars = size_t(std::snprintf(nullptr, 0, "%d", entry.score));
    std::string name = entry.name.substr(0, MAX_LINE_CHARS - 1 - scoreChars);
    for (char& c : name)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return name;
}

bool validIndex(int index) {
    return index >= 0 && index < SCORE_ENTRY_COUNT;
}

} // namespace

void ScoreTable::reset() {
    for (ScoreEntry& entry : entries_)
        entry = ScoreEntry{DEFAULT_ENTRY_NAME, 0};
}

void ScoreTable::load() {
    reset();
    TextLines lines;
    if (!lines.read(SCORES_FILE_NAME))
        return;
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i) {
        const std::string& line = lines[i].str();
        size_t tab = line.find('\t');
        if (tab != std::string::npos)
            entries_[i] = ScoreEntry{line.substr(0, tab), parseScore(line.substr(tab + 1))};
    }
}

void ScoreTable::save() const {
    TextLines lines;
    lines.resize(SCORE_ENTRY_COUNT);
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        lines[i].format("%s\t%d", savedName(entries_[i]).c_str(), entries_[i].score);
    lines.write(SCORES_FILE_NAME); // nothing to do on failure: the old file is untouched
}

int ScoreTable::findRank(int score) const {
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        if (entries_[i].score < score)
            return i;
    return -1;
}

void ScoreTable::makeRoom(int index) {
    if (!validIndex(index))
        return;
    for (int i = SCORE_ENTRY_COUNT - 2; i >= index; --i)
        entries_[i + 1] = entries_[i];
}

void ScoreTable::set(int index, const std::string& name, int score) {
    if (validIndex(index))
        entries_[index] = ScoreEntry{name, score};
}

const ScoreEntry& ScoreTable::entry(int index) const {
    static const ScoreEntry none;
    return validIndex(index) ? entries_[index] : none;
}
