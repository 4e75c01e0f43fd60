#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_row.h"

namespace script {

// The kind of a statement: its first keywords, and for ALTER TABLE its first
// action ("ALTER TABLE ADD COLUMN", "ALTER TABLE ALTER COLUMN TYPE", ...).
std::string kindOf(std::string_view text);
// The kind without the ALTER TABLE action.
std::string statementKindOf(std::string_view text);

struct Counts {
    std::map<std::string, int> byKind;         // statement kinds
    std::map<std::string, int> byAlterAction;  // ALTER TABLE rows by first action
    int total = 0;
};
Counts count(const std::vector<ScriptRow>& rows);

// The counts this release's script has, kind by kind.
const Counts& releasedCounts();

}  // namespace script
