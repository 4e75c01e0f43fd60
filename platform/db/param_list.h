#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace db {

// The connection's parameter list: lines of the form NAME=value, edited by
// position and by name the way the platform's string list is. Positions
// matter to callers, so every edit keeps the order of the other lines.
// Out-of-range positions throw std::out_of_range.
class ParamList {
public:
    ParamList() = default;
    ParamList(std::initializer_list<std::string> lines);

    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int i) const;
    void Set(int i, std::string line);
    void Add(std::string line);
    void Insert(int i, std::string line);  // 0 <= i <= Count()
    void Delete(int i);
    void Clear() { lines_.clear(); }

    // The first line whose text before its first "=" equals `name`, ignoring
    // case; -1 when there is none. A line without "=" has no name.
    int IndexOfName(std::string_view name) const;
    // The text after the first "=" of that line; "" when absent.
    std::string Values(std::string_view name) const;
    // Replaces the value of the named line, or appends NAME=value. An empty
    // value keeps the line ("USER NAME=" is a meaningful line here).
    void SetValue(std::string_view name, std::string_view value);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    void checkIndex(int i, int limit) const;

    std::vector<std::string> lines_;
};

}  // namespace db
