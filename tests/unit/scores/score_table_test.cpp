// The best-scores table: reading "scores.dat" as written and as found in the wild, writing
// it back so that every entry survives, and the insertion rule (ranks, ties, room).
#include "scores/score_table.h"
#include "unit/scores/scratch_folder.h"

#include <climits>

namespace {

using ScoresFile = ScratchFolder;
using Entries = std::vector<ScoreEntry>;

void expectEntries(const ScoreTable& table, const Entries& expected, const std::string& what) {
    for (int i = 0; i < int(expected.size()); ++i) {
        EXPECT_EQ(table.entry(i).name, expected[size_t(i)].name) << what << ", entry " << i;
        EXPECT_EQ(table.entry(i).score, expected[size_t(i)].score) << what << ", entry " << i;
    }
}

const ScoreEntry NOBODY{DEFAULT_ENTRY_NAME, 0};

TEST_F(ScoresFile, ReadsTheFileForgivinglyInFileOrder) {
    const struct {
        const char* bytes;
        Entries expected;
    } cases[] = {
        {nullptr, {NOBODY, NOBODY, NOBODY, NOBODY, NOBODY}}, // no file at all
        {"Ann\t50\r\nBob\t40\r\n", {{"Ann", 50}, {"Bob", 40}, NOBODY}},
        {"A\t7\nB\t6\nC\t5\nD\t4\nE\t3\nF\t2\n",
         {{"A", 7}, {"B", 6}, {"C", 5}, {"D", 4}, {"E", 3}}},
        {"A\t7\nno tab here\nC\t5\n", {{"A", 7}, NOBODY, {"C", 5}, NOBODY, NOBODY}},
        {"Low\t1\nHigh\t900\nMid\t50\n", {{"Low", 1}, {"High", 900}, {"Mid", 50}}}, // never sorted
        {"Ann\t  42xyz\nBob\t\n\t7\nEve\t-5\nTab\t3\t4\n",
         {{"Ann", 42}, {"Bob", 0}, {"", 7}, {"Eve", -5}, {"Tab", 3}}},
        {"Big\t99999999999\nLow\t-99999999999\nPlus\t+8\nSign\t-x\nMid\t1 2\n",
         {{"Big", INT_MAX}, {"Low", INT_MIN}, {"Plus", 8}, {"Sign", 0}, {"Mid", 1}}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(SCORES_FILE_NAME);
        if (c.bytes)
            writeFile(SCORES_FILE_NAME, c.bytes);
        ScoreTable table;
        table.set(0, "left over", 99);
        table.load();
        expectEntries(table, c.expected, c.bytes ? c.bytes : "no file");
    }
}

// Whatever a name holds, the saved line keeps its entry apart and its score whole: a long
// name is cut to fit the score's own width into 1023 characters.
TEST_F(ScoresFile, SavedTablesReadBackWithEveryScore) {
    const Entries saved{{" spaced name ", 1000},
                        {"a\tb", 0},
                        {"two\nlines\r", -5},
                        {std::string(5000, 'n'), 42},
                        {std::string(1011, 'm'), INT_MIN}}; // exactly fills a line
    ScoreTable table;
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        table.set(i, saved[size_t(i)].name, saved[size_t(i)].score);
    table.save();
    EXPECT_EQ(readFile(SCORES_FILE_NAME).substr(0, 19), " spaced name \t1000\n");
    ScoreTable again;
    again.load();
    expectEntries(
        again, {saved[0], {"a b", 0}, {"two lines ", -5}, {std::string(1020, 'n'), 42}, saved[4]},
        "read back");
}

TEST(ScoreTableRank, APlaceNeedsAStrictlyGreaterScore) {
    ScoreTable table;
    table.reset();
    EXPECT_EQ(table.findRank(0), -1);
    EXPECT_EQ(table.findRank(1), 0);
    const int scores[] = {500, 300, 300, 100, 50};
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        table.set(i, "p" + std::to_string(i), scores[i]);
    // An equal score goes below the scores it equals.
    const std::pair<int, int> ranks[] = {{501, 0}, {301, 1}, {300, 3}, {51, 4}, {50, -1}};
    for (const auto& [score, rank] : ranks)
        EXPECT_EQ(table.findRank(score), rank) << score;
}

TEST(ScoreTableRank, MakeRoomMovesTheLowerEntriesDown) {
    ScoreTable table;
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        table.set(i, "p" + std::to_string(i), 50 - i);
    table.makeRoom(4);
    expectEntries(table, {{"p0", 50}, {"p1", 49}, {"p2", 48}, {"p3", 47}, {"p4", 46}}, "at 4");
    table.makeRoom(0);
    table.makeRoom(5); // outside the table: nothing moves
    table.set(-1, "x", 1);
    table.set(5, "x", 1);
    expectEntries(table, {{"p0", 50}, {"p0", 50}, {"p1", 49}, {"p2", 48}, {"p3", 47}}, "at 0");
    EXPECT_EQ(table.entry(9).name, "");
}

} // namespace
