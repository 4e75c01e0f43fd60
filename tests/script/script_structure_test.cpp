// Bookkeeping of the migration script: numbering, kinds, and the rules every
// row text obeys. Row texts are identities in every company database, so a
// changed text shows up here as a changed fingerprint.
#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <set>
#include <sstream>

#include <filesystem>
#include <fstream>

#include "app/windows.h"
#include "platform/system/system.h"
#include "script/builder.h"
#include "script/sections.h"
#include "script/statistics.h"

namespace {

constexpr std::uint64_t kFingerprint = 0x2052431ccef7e8;

TEST(ScriptStructure, RowsAreNumberedOnceAndAscendFromZeroTo6158) {
    for (script::Section section : script::allSections())
        for (std::size_t i = 1; i < section.size(); ++i)
            EXPECT_LT(section[i - 1].number, section[i].number) << "row " << section[i].number << " out of order";
    const auto& rows = script::rowsInOrder();
    ASSERT_FALSE(rows.empty());
    std::set<int> seen;
    for (const auto& row : rows) EXPECT_TRUE(seen.insert(row.number).second) << "row " << row.number << " twice";
    EXPECT_EQ(rows.front().number, 0);
    EXPECT_EQ(rows.back().number, 6158);
}

TEST(ScriptStructure, CountsPerKindAreThoseOfTheRelease) {
    const script::Counts actual = script::count(script::rowsInOrder());
    const script::Counts& expected = script::releasedCounts();
    std::ostringstream table;
    table << std::left << std::setw(32) << "kind" << "now  expected\n";
    auto line = [&](const std::string& kind, int now, int want) {
        table << std::setw(32) << kind << std::setw(5) << now << want << (now == want ? "" : "  <--") << '\n';
    };
    std::set<std::string> kinds;
    for (const auto& [k, n] : expected.byKind) kinds.insert(k);
    for (const auto& [k, n] : actual.byKind) kinds.insert(k);
    for (const std::string& k : kinds) {
        auto get = [&](const auto& m) { auto it = m.find(k); return it == m.end() ? 0 : it->second; };
        line(k, get(actual.byKind), get(expected.byKind));
    }
    std::set<std::string> actions;
    for (const auto& [k, n] : expected.byAlterAction) actions.insert(k);
    for (const auto& [k, n] : actual.byAlterAction) actions.insert(k);
    for (const std::string& k : actions) {
        auto get = [&](const auto& m) { auto it = m.find(k); return it == m.end() ? 0 : it->second; };
        line("  ALTER TABLE " + k, get(actual.byAlterAction), get(expected.byAlterAction));
    }
    line("total", actual.total, expected.total);
    EXPECT_EQ(actual.byKind, expected.byKind) << table.str();
    EXPECT_EQ(actual.byAlterAction, expected.byAlterAction) << table.str();
    EXPECT_EQ(actual.total, expected.total) << table.str();
}

// A colon followed by a letter outside a quoted literal would be taken for a
// parameter by a data access layer; "::" likewise.
bool hasParameterMarkerOutsideLiterals(std::string_view text) {
    bool inLiteral = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\'') inLiteral = !inLiteral;
        else if (!inLiteral && text[i] == ':' && i + 1 < text.size() &&
                 (std::isalpha(static_cast<unsigned char>(text[i + 1])) || text[i + 1] == ':'))
            return true;
    }
    return false;
}

TEST(ScriptStructure, EveryRowTextFollowsTheScriptsRules) {
    for (const auto& row : script::rowsInOrder()) {
        const std::string_view text = row.text;
        EXPECT_FALSE(text.empty()) << "row " << row.number;
        EXPECT_FALSE(hasParameterMarkerOutsideLiterals(text) && row.number != 1907) << "row " << row.number;
        EXPECT_EQ(text.find("::"), std::string_view::npos) << "row " << row.number;
        const bool endsWithSemicolon = text.find_last_not_of(' ') != std::string_view::npos &&
                                       text[text.find_last_not_of(' ')] == ';';
        EXPECT_EQ(endsWithSemicolon, row.number == 1907 || row.number == 1908) << "row " << row.number;
        for (unsigned char c : text) EXPECT_LT(c, 0x80) << "row " << row.number << " holds a non-ASCII character";
        // The statement log's unique index limits an entry; long texts compress, but stay well clear.
        EXPECT_LT(text.size(), 2600u) << "row " << row.number;
        const bool holdsLineBreak = text.find_first_of("\r\n") != std::string_view::npos;
        EXPECT_EQ(holdsLineBreak, row.number == 771 || row.number == 781 || row.number == 785) << "row " << row.number;
    }
}

TEST(ScriptStructure, BuildingTwiceGivesTheSameListOfReferences) {
    TutilityFM holder;
    holder.construiesteFrazeUpgrade();
    const std::vector<std::string_view> first = holder.listaFraze;
    holder.construiesteFrazeUpgrade();
    ASSERT_EQ(holder.listaFraze.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(holder.listaFraze[i], first[i]);
        EXPECT_EQ(holder.listaFraze[i].data(), first[i].data());  // references, not copies
    }
}

// Every line of the listing is one row, and its text comes back exactly.
TEST(ScriptTool, ListingRestoresEveryText) {
    const auto file = std::filesystem::temp_directory_path() / ("velantrix-list-" + std::to_string(getpid()));
    sys::RunOptions options;
    options.standardOutput = file;
    ASSERT_EQ(sys::run({SCRIPT_TOOL, "--list"}, options).exitStatus, 0);
    std::ifstream in(file);
    std::string line;
    std::size_t i = 0;
    const auto& rows = script::rowsInOrder();
    while (std::getline(in, line)) {
        ASSERT_LT(i, rows.size());
        const std::size_t tab = line.find('\t');
        EXPECT_EQ(line.substr(0, tab), std::to_string(rows[i].number));
        std::string text;
        for (std::size_t k = tab + 1; k < line.size(); ++k) {
            if (line[k] != '\\') {
                text += line[k];
                continue;
            }
            const char e = line[++k];
            text += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : e;
        }
        EXPECT_EQ(text, rows[i].text) << "row " << rows[i].number;
        ++i;
    }
    EXPECT_EQ(i, rows.size());
    std::filesystem::remove(file);
}

// FNV-1a over every row number and text: changes whenever any text changes.
TEST(ScriptStructure, TextsKeepTheirIdentity) {
    std::uint64_t hash = 1469598103934665603ULL;
    auto mix = [&](std::string_view bytes) {
        for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ULL;
    };
    for (const auto& row : script::rowsInOrder()) {
        mix(std::to_string(row.number));
        mix(std::string_view("\0", 1));
        mix(row.text);
        mix(std::string_view("\0", 1));
    }
    // Until the first release a text that differs from its definition is a
    // defect to mend (and this value changes with it); after the release a
    // text never changes.
    EXPECT_EQ(hash, kFingerprint) << "fingerprint now 0x" << std::hex << hash;
}

}  // namespace
