// libFuzzer target: any bytes as script/score. The count stays within the
// table, names fit their field, a merge keeps the table whole, and what is
// read writes out and reads back the same.
#include "screens/merge_score.h"
#include "screens/save_name.h"
#include "screens/score_file.h"

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostream discard(nullptr);
    ScoreTable table;
    ParseScoreTable(text, "score", table, discard);
    if (table.count < 0 || table.count > kScoreEntryCount) {
        __builtin_trap();
    }
    for (int i = 0; i < table.count; ++i) {
        const std::string& name = table.entries[i].name;
        if (name.size() > kScoreNameBytes || SanitiseName(name, kScoreNameBytes) != name) {
            __builtin_trap();
        }
    }
    const std::string written = FormatScoreTable(table);
    ScoreTable again;
    ParseScoreTable(written, "score", again, discard);
    if (FormatScoreTable(again) != written) {
        __builtin_trap();
    }
    // A player named by the first token merges without leaving the table.
    const int before = again.count;
    MergeScore(again, SanitiseName(text.substr(0, text.find(' ')), kScoreNameBytes),
               static_cast<int>(size) * 97 - 5000);
    if (again.count < before || again.count > kScoreEntryCount) {
        __builtin_trap();
    }
    return 0;
}
