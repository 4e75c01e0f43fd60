#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace db {

// A statement text with its ":name" markers turned into libpq's $1..$n.
struct PositionalSql {
    std::string text;
    // The distinct parameter names in $-number order, as first written.
    // Names are told apart without regard to case, so ":id" and ":ID" share
    // one number.
    std::vector<std::string> names;
};

// Finds the ":name" markers (a name is ASCII letters, digits and
// underscores) that stand in SQL proper. A colon inside a string constant
// ('...', E'...'), a quoted identifier, a dollar-quoted body or a comment is
// text, and "::" is a cast. Without any marker the text comes back
// unchanged, byte for byte.
PositionalSql toPositional(std::string_view sql);

}  // namespace db
