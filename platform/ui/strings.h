#pragma once

#include <string>
#include <vector>

#include "platform/ui/signal.h"

namespace ui {

// The line list of a memo. An entry may hold CR LF pairs; it then shows as
// several lines, and a front end splits it when it renders.
class Strings {
public:
    void Add(std::string line);
    void Clear();
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int i) const { return lines_.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& lines() const { return lines_; }
    // All entries joined with CR LF, as the platform's Text property gives them.
    std::string Text() const;

    Signal<const std::string&> added;
    Signal<> cleared;

private:
    std::vector<std::string> lines_;
};

// Splits a text at CR LF (and at a lone LF or CR) into display lines.
std::vector<std::string> splitDisplayLines(const std::string& text);

}  // namespace ui
