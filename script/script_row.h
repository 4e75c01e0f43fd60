#pragma once

#include <span>
#include <string_view>

namespace script {

// One statement of the migration script. The text, character for character,
// is the statement's identity in every company database's `frazeupgrade`:
// once released, a text never changes.
struct ScriptRow {
    int number;
    std::string_view text;
};

using Section = std::span<const ScriptRow>;

}  // namespace script
