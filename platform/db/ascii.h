#pragma once

#include <cstddef>
#include <string_view>

// Name comparison as the access layer does it: ASCII letters without regard
// to case, every other byte as it is.
namespace db::ascii {

constexpr char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool iequals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace db::ascii
