#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace db {
class Database;
}
namespace ui {
class Strings;
}

// The statement-log engine: brings one open company database to a release by
// executing the statement list, each statement at most once per database,
// with `frazeupgrade` recording the texts that took effect and `logupdate`
// the passes of each release.
namespace engine {

enum class LoopMode {
    // Each row's record and statement sent together with one synchronisation
    // point, many rows in flight: one implicit transaction per row without a
    // round trip per step.
    Pipeline,
    // The literal protocol: begin, record, statement, commit or roll back.
    OneByOne,
};

LoopMode loopMode();
void setLoopMode(LoopMode mode);

struct Pass {
    db::Database& connection;                       // open on the company database
    std::string_view versionLabel;                  // the release this pass brings
    const std::vector<std::string_view>& statements;
    ui::Strings& report;                            // the visible run report
    ui::Strings& notApplied;                        // texts of the rows that did not take effect
    std::function<void(int done, int total)> progress;
};

// Runs one pass of the release over the database. `name` is the company
// entry, used only in the already-done line. Errors of the log statements
// leave as exceptions; errors of single rows are recorded in `notApplied`.
void actualizeazaBaza(const Pass& pass, const std::string& name);

}  // namespace engine
