#include "platform/db/named_parameters.h"

#include <cstddef>

#include "platform/db/ascii.h"

namespace db {
namespace {

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Bytes the server accepts inside an unquoted identifier (high-bit bytes
// included); used to tell "a$b$" (one identifier) from a dollar quote.
bool isIdentChar(char c) { return isNameChar(c) || c == '$' || static_cast<unsigned char>(c) >= 0x80; }

// Each skipper takes the position of the opening character and gives the
// position just after the construct (or the end of the text when unclosed).

std::size_t skipQuoted(std::string_view s, std::size_t i, char quote, bool backslashEscapes) {
    for (++i; i < s.size(); ++i) {
        if (backslashEscapes && s[i] == '\\') {
            ++i;
        } else if (s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote)
                ++i;  // a doubled quote stands for itself
            else
                return i + 1;
        }
    }
    return s.size();
}

std::size_t skipLineComment(std::string_view s, std::size_t i) {
    const auto end = s.find('\n', i);
    return end == std::string_view::npos ? s.size() : end + 1;
}

std::size_t skipBlockComment(std::string_view s, std::size_t i) {
    int depth = 0;  // the server nests block comments
    while (i < s.size()) {
        if (s.compare(i, 2, "/*") == 0) {
            ++depth;
            i += 2;
        } else if (s.compare(i, 2, "*/") == 0) {
            i += 2;
            if (--depth == 0) return i;
        } else {
            ++i;
        }
    }
    return s.size();
}

// The length of the dollar-quote tag starting at i ("$$" or "$tag$"), or 0
// when the "$" opens none (a positional "$1" for instance).
std::size_t dollarTagLength(std::string_view s, std::size_t i) {
    std::size_t j = i + 1;
    if (j < s.size() && s[j] >= '0' && s[j] <= '9') return 0;
    while (j < s.size() && s[j] != '$') {
        if (!isNameChar(s[j]) && static_cast<unsigned char>(s[j]) < 0x80) return 0;
        ++j;
    }
    return j < s.size() ? j - i + 1 : 0;
}

}  // namespace

PositionalSql toPositional(std::string_view s) {
    PositionalSql out;
    std::size_t copied = 0;  // text before this position is already in out.text
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const bool afterIdent = i > 0 && isIdentChar(s[i - 1]);
        if (c == '\'') {
            // E'...' takes backslash escapes; plain '...' does not (standard
            // conforming strings, the server's default).
            const bool escaped = i > 0 && (s[i - 1] == 'E' || s[i - 1] == 'e') &&
                                 !(i > 1 && isIdentChar(s[i - 2]));
            i = skipQuoted(s, i, '\'', escaped);
        } else if (c == '"') {
            i = skipQuoted(s, i, '"', false);
        } else if (c == '-' && s.compare(i, 2, "--") == 0) {
            i = skipLineComment(s, i);
        } else if (c == '/' && s.compare(i, 2, "/*") == 0) {
            i = skipBlockComment(s, i);
        } else if (c == '$' && !afterIdent) {
            const std::size_t tagLength = dollarTagLength(s, i);
            if (tagLength == 0) {
                ++i;
            } else {
                const std::string_view tag = s.substr(i, tagLength);
                const auto close = s.find(tag, i + tagLength);
                i = close == std::string_view::npos ? s.size() : close + tagLength;
            }
        } else if (c == ':' && i + 1 < s.size() && s[i + 1] == ':') {
            i += 2;
        } else if (c == ':' && i + 1 < s.size() && isNameChar(s[i + 1])) {
            std::size_t end = i + 1;
            while (end < s.size() && isNameChar(s[end])) ++end;
            const std::string_view name = s.substr(i + 1, end - i - 1);
            std::size_t number = 0;
            while (number < out.names.size() && !ascii::iequals(out.names[number], name)) ++number;
            if (number == out.names.size()) out.names.emplace_back(name);
            out.text.append(s.substr(copied, i - copied));
            out.text.append("$").append(std::to_string(number + 1));
            copied = i = end;
        } else {
            ++i;
        }
    }
    out.text.append(s.substr(copied));
    return out;
}

}  // namespace db
