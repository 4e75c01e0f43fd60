// velantrix-script: the migration script of this release, for a person to
// read, count or review.
#include <iostream>
#include <string>

#include "script/builder.h"
#include "script/statistics.h"

namespace {

constexpr const char* kUsage =
    "Usage: velantrix-script --list | --stats | --sql\n"
    "\n"
    "  --list   one line per row: the row number, a TAB, and the text with\n"
    "           backslash, TAB, CR and LF written as \\\\, \\t, \\r and \\n\n"
    "  --stats  the number of rows of each kind, and in all\n"
    "  --sql    the whole script as one file that psql can run (each row a\n"
    "           statement of its own, preceded by its number)\n";

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out;
}

void list() {
    for (const script::ScriptRow& row : script::rowsInOrder()) std::cout << row.number << '\t' << escaped(row.text) << '\n';
}

void stats() {
    const script::Counts counts = script::count(script::rowsInOrder());
    for (const auto& [kind, n] : counts.byKind) {
        std::cout << kind << '\t' << n << '\n';
        if (kind == "ALTER TABLE")
            for (const auto& [action, m] : counts.byAlterAction) std::cout << "  " << action << '\t' << m << '\n';
    }
    std::cout << "total\t" << counts.total << '\n';
}

void sql() {
    std::cout << "-- The migration script, row by row. Each row runs on its own; in a company\n"
                 "-- database the updater records every row that took effect in frazeupgrade.\n"
                 "\\set ON_ERROR_STOP off\n";
    for (const script::ScriptRow& row : script::rowsInOrder()) {
        std::cout << "\n-- row " << row.number << '\n' << row.text;
        // Rows that end with a semicolon already end their statement.
        std::string_view text = row.text;
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        if (text.empty() || text.back() != ';') std::cout << ';';
        std::cout << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string option = argc == 2 ? argv[1] : "";
    if (option == "--list") list();
    else if (option == "--stats") stats();
    else if (option == "--sql") sql();
    else if (option == "--help" || option == "-h") std::cout << kUsage;
    else {
        std::cerr << kUsage;
        return 2;
    }
    return 0;
}
