#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace db {
class Database;
}

namespace engine {

// Called with the text of every row that did not take effect.
using NotApplied = std::function<void(std::string_view text)>;
using Progress = std::function<void(int done, int total)>;

// Row 0 runs unrecorded; every later row runs in one transaction with the
// insertion of its text into `frazeupgrade`, so it takes effect at most once.
void runStatementsOneByOne(db::Database& connection, const std::vector<std::string_view>& statements,
                           const NotApplied& notApplied, const Progress& progress);
void runStatementsPipelined(db::Database& connection, const std::vector<std::string_view>& statements,
                            const NotApplied& notApplied, const Progress& progress);

}  // namespace engine
