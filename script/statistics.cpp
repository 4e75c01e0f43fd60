#include "script/statistics.h"

#include <cctype>
#include <sstream>

namespace script {

namespace {

std::vector<std::string> upperWords(std::string_view text, std::size_t limit) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ',') {
            if (!word.empty()) words.push_back(word), word.clear();
            if (words.size() >= limit) break;
            continue;
        }
        word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (!word.empty() && words.size() < limit) words.push_back(word);
    return words;
}

bool startsWith(const std::vector<std::string>& words, std::initializer_list<const char*> prefix, std::size_t at = 0) {
    if (words.size() < at + prefix.size()) return false;
    std::size_t i = at;
    for (const char* p : prefix)
        if (words[i++] != p) return false;
    return true;
}

std::string alterAction(const std::vector<std::string>& w) {
    // ALTER TABLE name <action ...>
    const std::size_t a = 3;
    if (startsWith(w, {"ADD", "COLUMN"}, a)) return "ADD COLUMN";
    if (startsWith(w, {"ADD", "UNIQUE"}, a)) return "ADD UNIQUE";
    if (startsWith(w, {"ADD", "CONSTRAINT"}, a)) return "ADD CONSTRAINT";
    if (startsWith(w, {"ADD", "CHECK"}, a)) return "ADD CHECK";
    if (startsWith(w, {"ADD"}, a)) return "ADD COLUMN";  // the word COLUMN is optional
    if (startsWith(w, {"DROP", "CONSTRAINT"}, a)) return "DROP CONSTRAINT";
    if (startsWith(w, {"DROP", "COLUMN"}, a)) return "DROP COLUMN";
    if (startsWith(w, {"RENAME", "COLUMN"}, a)) return "RENAME COLUMN";
    std::size_t b = startsWith(w, {"ALTER", "COLUMN"}, a) ? a + 3 : a + 2;  // past ALTER [COLUMN] name
    if (startsWith(w, {"ALTER"}, a)) {
        if (startsWith(w, {"TYPE"}, b) || startsWith(w, {"SET", "DATA", "TYPE"}, b)) return "ALTER COLUMN TYPE";
        if (startsWith(w, {"SET", "DEFAULT"}, b)) return "ALTER COLUMN SET DEFAULT";
        if (startsWith(w, {"SET", "NOT", "NULL"}, b)) return "ALTER COLUMN SET NOT NULL";
        if (startsWith(w, {"DROP", "NOT", "NULL"}, b)) return "ALTER COLUMN DROP NOT NULL";
        if (startsWith(w, {"DROP", "DEFAULT"}, b)) return "ALTER COLUMN DROP DEFAULT";
    }
    return "other";
}

}  // namespace

std::string statementKindOf(std::string_view text) {
    const auto w = upperWords(text, 8);
    if (startsWith(w, {"CREATE", "TABLE"})) return "CREATE TABLE";
    if (startsWith(w, {"CREATE", "UNIQUE", "INDEX"})) return "CREATE UNIQUE INDEX";
    if (startsWith(w, {"CREATE", "INDEX"})) return "CREATE INDEX";
    if (startsWith(w, {"CREATE", "OR", "REPLACE", "FUNCTION"})) return "CREATE OR REPLACE FUNCTION";
    if (startsWith(w, {"ALTER", "TABLE"})) return "ALTER TABLE";
    if (startsWith(w, {"ALTER", "FUNCTION"})) return "ALTER FUNCTION";
    if (startsWith(w, {"DROP", "TABLE"})) return "DROP TABLE";
    if (startsWith(w, {"DROP", "INDEX"})) return "DROP INDEX";
    if (startsWith(w, {"COMMENT", "ON", "COLUMN"})) return "COMMENT ON COLUMN";
    if (startsWith(w, {"GRANT"})) return "GRANT";
    if (startsWith(w, {"INSERT", "INTO", "LOGVERSIUNI"})) return "INSERT INTO logversiuni";
    if (startsWith(w, {"INSERT", "INTO"})) return "INSERT into other tables";
    if (startsWith(w, {"UPDATE"})) return "UPDATE";
    if (startsWith(w, {"DELETE"})) return "DELETE";
    return "other";
}

std::string kindOf(std::string_view text) {
    std::string kind = statementKindOf(text);
    if (kind == "ALTER TABLE") kind += " " + alterAction(upperWords(text, 10));
    return kind;
}

Counts count(const std::vector<ScriptRow>& rows) {
    Counts counts;
    for (const ScriptRow& row : rows) {
        ++counts.total;
        std::string kind = statementKindOf(row.text);
        ++counts.byKind[kind];
        if (kind == "ALTER TABLE") ++counts.byAlterAction[alterAction(upperWords(row.text, 10))];
    }
    return counts;
}

const Counts& releasedCounts() {
    static const Counts counts = [] {
        Counts c;
        c.byKind = {{"CREATE TABLE", 224},
                    {"CREATE INDEX", 164},
                    {"CREATE UNIQUE INDEX", 13},
                    {"ALTER TABLE", 610},
                    {"DROP TABLE", 1},
                    {"DROP INDEX", 3},
                    {"COMMENT ON COLUMN", 2},
                    {"CREATE OR REPLACE FUNCTION", 1},
                    {"ALTER FUNCTION", 1},
                    {"GRANT", 712},
                    {"INSERT INTO logversiuni", 264},
                    {"INSERT into other tables", 3540},
                    {"UPDATE", 608},
                    {"DELETE", 8}};
        c.byAlterAction = {{"ADD COLUMN", 424},
                           {"ALTER COLUMN TYPE", 100},
                           {"ALTER COLUMN SET DEFAULT", 18},
                           {"DROP CONSTRAINT", 15},
                           {"ALTER COLUMN SET NOT NULL", 13},
                           {"ALTER COLUMN DROP NOT NULL", 12},
                           {"ADD UNIQUE", 10},
                           {"ADD CONSTRAINT", 9},
                           {"DROP COLUMN", 4},
                           {"ADD CHECK", 3},
                           {"RENAME COLUMN", 2}};
        c.total = 6151;
        return c;
    }();
    return counts;
}

}  // namespace script
