// Hostile "scores.dat" files: any bytes must load without reading out of bounds, and a
// table once loaded must survive a save and a load unchanged (a saved file reads back as
// the table that wrote it). Runs in a private scratch folder, since the file has a bare name.
#include "scores/score_table.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void enterScratchFolder() {
    static bool entered = false;
    if (entered)
        return;
    std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-scores-XXXXXX");
    if (!mkdtemp(pattern.data()) || chdir(pattern.c_str()) != 0)
        std::abort();
    entered = true;
}

bool sameTable(const ScoreTable& a, const ScoreTable& b) {
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        if (a.entry(i).name != b.entry(i).name || a.entry(i).score != b.entry(i).score)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    enterScratchFolder();
    FILE* file = std::fopen(SCORES_FILE_NAME, "wb");
    if (!file)
        std::abort();
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);

    ScoreTable first;
    first.load();
    first.save();
    ScoreTable second;
    second.load();
    second.save();
    ScoreTable third;
    third.load();
    if (!sameTable(second, third))
        std::abort();
    return 0;
}
