#include "platform/ui/strings.h"

namespace ui {

void Strings::Add(std::string line) {
    lines_.push_back(std::move(line));
    added.fire(lines_.back());
}

void Strings::Clear() {
    lines_.clear();
    cleared.fire();
}

std::string Strings::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> splitDisplayLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

}  // namespace ui
