#include "platform/db/param_list.h"

#include <stdexcept>
#include <utility>

#include "platform/db/ascii.h"

namespace db {

ParamList::ParamList(std::initializer_list<std::string> lines) : lines_(lines) {}

void ParamList::checkIndex(int i, int limit) const {
    if (i < 0 || i >= limit)
        throw std::out_of_range("parameter list index out of bounds (" + std::to_string(i) + ")");
}

const std::string& ParamList::operator[](int i) const {
    checkIndex(i, Count());
    return lines_[static_cast<std::size_t>(i)];
}

void ParamList::Set(int i, std::string line) {
    checkIndex(i, Count());
    lines_[static_cast<std::size_t>(i)] = std::move(line);
}

void ParamList::Add(std::string line) { lines_.push_back(std::move(line)); }

void ParamList::Insert(int i, std::string line) {
    checkIndex(i, Count() + 1);
    lines_.insert(lines_.begin() + i, std::move(line));
}

void ParamList::Delete(int i) {
    checkIndex(i, Count());
    lines_.erase(lines_.begin() + i);
}

int ParamList::IndexOfName(std::string_view name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        const auto eq = line.find('=');
        if (eq != std::string_view::npos && ascii::iequals(line.substr(0, eq), name))
            return static_cast<int>(i);
    }
    return -1;
}

std::string ParamList::Values(std::string_view name) const {
    const int i = IndexOfName(name);
    if (i < 0) return {};
    const std::string& line = lines_[static_cast<std::size_t>(i)];
    return line.substr(line.find('=') + 1);
}

void ParamList::SetValue(std::string_view name, std::string_view value) {
    std::string line;
    line.reserve(name.size() + 1 + value.size());
    line.append(name).append("=").append(value);
    const int i = IndexOfName(name);
    if (i < 0)
        lines_.push_back(std::move(line));
    else
        lines_[static_cast<std::size_t>(i)] = std::move(line);
}

}  // namespace db
