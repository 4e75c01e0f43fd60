#include "script/builder.h"

#include <algorithm>

#include "script/sections.h"

namespace script {

const std::vector<ScriptRow>& rowsInOrder() {
    // Merged once: the sections are constants, so every build gives the same list.
    static const std::vector<ScriptRow> rows = [] {
        std::vector<ScriptRow> merged;
        for (Section section : allSections()) merged.insert(merged.end(), section.begin(), section.end());
        std::stable_sort(merged.begin(), merged.end(),
                         [](const ScriptRow& a, const ScriptRow& b) { return a.number < b.number; });
        return merged;
    }();
    return rows;
}

}  // namespace script
