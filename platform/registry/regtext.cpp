#include "platform/registry/regtext.h"

#include <algorithm>
#include <cstdint>

namespace reg::detail {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return lowerAscii(c) - 'a' + 10;
}

bool isPrintableName(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

[[noreturn]] void fail(const std::string& source, int line, const std::string& what) {
    throw RegistryError(source + ":" + std::to_string(line) + ": " + what);
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-16LE bytes to UTF-8. `where` reports the line reached when a bad unit
// is found, so a damaged export points at its damage.
bool utf16leToUtf8(std::string_view bytes, std::string& out, int& where) {
    where = 1;
    if (bytes.size() % 2 != 0) return false;
    auto unit = [&](size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    for (size_t i = 0; i < bytes.size(); i += 2) {
        char16_t u = unit(i);
        char32_t cp = u;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 2 >= bytes.size()) return false;
            char16_t lo = unit(i + 2);
            if (lo < 0xDC00 || lo > 0xDFFF) return false;
            cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (lo - 0xDC00);
            i += 2;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            return false;
        }
        if (cp == '\n') ++where;
        appendUtf8(out, cp);
    }
    return true;
}

// Turns the file's bytes into UTF-8 text without a byte order mark.
std::string decodeText(std::string_view bytes, const std::string& source) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::string out;
        int line = 1;
        if (!utf16leToUtf8(bytes.substr(2), out, line)) fail(source, line, "invalid UTF-16LE text");
        return out;
    }
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
        static_cast<unsigned char>(bytes[1]) == 0xFF)
        fail(source, 1, "UTF-16 big-endian text is not supported (save it as UTF-16LE or UTF-8)");
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        int line = 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + nul, '\n'));
        fail(source, line, "NUL byte in text (UTF-16 without a byte order mark?)");
    }
    return std::string(bytes);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Reads "..." with regedit's two escapes (\\ and \") starting at s[0] == '"';
// returns the position after the closing quote, or npos when unterminated.
size_t readQuoted(std::string_view s, std::string& out, std::string& error) {
    for (size_t i = 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') return i + 1;
        if (c == '\\') {
            if (i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
                out += s[++i];
                continue;
            }
            error = "backslash in quoted text must be written as \\\\ (or \\\" for a quote)";
            return std::string_view::npos;
        }
        out += c;
    }
    error = "unterminated quoted text";
    return std::string_view::npos;
}

// Bytes of a hex list such as "00,4a, 0b" (continuations already removed).
bool parseHexBytes(std::string_view list, std::string* bytes) {
    list = trimLeft(trimRight(list));
    if (list.empty()) return true;
    size_t pos = 0;
    while (true) {
        size_t comma = list.find(',', pos);
        std::string_view item = trimLeft(trimRight(list.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos)));
        if (item.empty() || item.size() > 2 || !std::all_of(item.begin(), item.end(), isHexDigit)) {
            // regedit ends a wrapped list with a comma; tolerate one at the very end
            return item.empty() && comma == std::string_view::npos && pos > 0;
        }
        if (bytes) {
            int v = 0;
            for (char c : item) v = v * 16 + hexValue(c);
            *bytes += static_cast<char>(v);
        }
        if (comma == std::string_view::npos) return true;
        pos = comma + 1;
    }
}

// The raw text with continuation backslashes and the indentation after them removed.
std::string joinContinued(std::string_view raw) {
    std::string out;
    size_t start = 0;
    bool first = true;
    while (start <= raw.size()) {
        size_t end = raw.find('\n', start);
        std::string_view line = raw.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!first) line = trimLeft(line);
        line = trimRight(line);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\\') line.remove_suffix(1);
        out += line;
        first = false;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return out;
}

// Splits "hex(2):..." / "hex:..." into type and byte list; false if not hex.
bool splitHexType(std::string_view joined, unsigned& type, std::string_view& list) {
    if (startsWithNoCase(joined, "hex:")) {
        type = 3;  // REG_BINARY
        list = joined.substr(4);
        return true;
    }
    if (!startsWithNoCase(joined, "hex(")) return false;
    size_t close = joined.find("):", 4);
    if (close == std::string_view::npos || close == 4 || close > 12) return false;
    std::string_view t = joined.substr(4, close - 4);
    if (!std::all_of(t.begin(), t.end(), isHexDigit)) return false;
    type = 0;
    for (char c : t) type = type * 16 + static_cast<unsigned>(hexValue(c));
    list = joined.substr(close + 2);
    return true;
}

bool validRawData(std::string_view raw) {
    std::string joined = joinContinued(raw);
    std::string_view j = joined;
    if (startsWithNoCase(j, "dword:")) {
        std::string_view digits = trimRight(j.substr(6));
        return !digits.empty() && digits.size() <= 8 && std::all_of(digits.begin(), digits.end(), isHexDigit);
    }
    unsigned type = 0;
    std::string_view list;
    return splitHexType(j, type, list) && parseHexBytes(list, nullptr);
}

std::string escapeQuoted(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

std::string rootNameOf(RootKey root) { return std::string(rootName(root)); }

void formatKeyRecursive(const Key& key, const std::string& fullName, std::string& out) {
    formatSection(key, fullName, out);
    for (const auto& sub : key.subkeys) formatKeyRecursive(*sub, fullName + "\\" + sub->name, out);
}

// Decodes UTF-8 for hex(1) encoding; false on malformed input.
bool decodeUtf8(std::string_view s, std::u32string& out) {
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra;
        char32_t cp;
        if (c < 0x80) { extra = 0; cp = c; }
        else if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        out += cp;
        i += extra + 1;
    }
    return true;
}

}  // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

Key* Key::findSubkey(std::string_view n) const {
    for (const auto& k : subkeys)
        if (equalsNoCase(k->name, n)) return k.get();
    return nullptr;
}

Value* Key::findValue(std::string_view n) {
    for (Value& v : values)
        if (equalsNoCase(v.name, n)) return &v;
    return nullptr;
}

const Value* Key::findValue(std::string_view n) const { return const_cast<Key*>(this)->findValue(n); }

bool Key::setValue(Value v) {
    if (Value* old = findValue(v.name)) {
        if (old->isString == v.isString && old->data == v.data) return false;
        old->isString = v.isString;  // the name keeps the case it was first written with
        old->data = std::move(v.data);
        return true;
    }
    values.push_back(std::move(v));
    return true;
}

bool Key::removeValue(std::string_view n) {
    auto it = std::find_if(values.begin(), values.end(), [&](const Value& v) { return equalsNoCase(v.name, n); });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

bool Key::removeSubkey(std::string_view n) {
    auto it = std::find_if(subkeys.begin(), subkeys.end(), [&](const auto& k) { return equalsNoCase(k->name, n); });
    if (it == subkeys.end()) return false;
    subkeys.erase(it);
    return true;
}

const Key* findKey(const Key& root, const KeyPath& path) {
    const Key* k = &root;
    for (const std::string& part : path) {
        k = k->findSubkey(part);
        if (!k) return nullptr;
    }
    return k;
}

Key* findKey(Key& root, const KeyPath& path) {
    return const_cast<Key*>(findKey(static_cast<const Key&>(root), path));
}

Key& ensureKey(Key& root, const KeyPath& path, bool& created) {
    Key* k = &root;
    for (const std::string& part : path) {
        Key* next = k->findSubkey(part);
        if (!next) {
            k->subkeys.push_back(std::make_unique<Key>());
            next = k->subkeys.back().get();
            next->name = part;
            created = true;
        }
        k = next;
    }
    return *k;
}

std::optional<KeyPath> splitKeyPath(std::string_view text) {
    if (!text.empty() && text.front() == '\\') text.remove_prefix(1);
    if (!text.empty() && text.back() == '\\') text.remove_suffix(1);
    KeyPath path;
    if (text.empty()) return path;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\\', start);
        std::string_view part = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (part.empty() || !isPrintableName(part)) return std::nullopt;
        path.emplace_back(part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return path;
}

std::optional<RootKey> parseRootName(std::string_view name) {
    if (equalsNoCase(name, "HKEY_CLASSES_ROOT") || equalsNoCase(name, "HKCR")) return RootKey::ClassesRoot;
    if (equalsNoCase(name, "HKEY_LOCAL_MACHINE") || equalsNoCase(name, "HKLM")) return RootKey::LocalMachine;
    return std::nullopt;
}

const char* const kFileHeader = "Windows Registry Editor Version 5.00";

std::vector<Entry> parseRegText(std::string_view bytes, const std::string& source) {
    const std::string text = decodeText(bytes, source);
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty() || trimRight(lines[0]) != kFileHeader)
        fail(source, 1, std::string("the first line must be \"") + kFileHeader + "\"");

    std::vector<Entry> entries;
    bool inSection = false;
    bool sectionDeleted = false;
    RootKey root = RootKey::ClassesRoot;
    KeyPath path;

    for (size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        std::string_view line = trimLeft(lines[i]);
        if (trimRight(line).empty() || line.front() == ';') continue;

        if (line.front() == '[') {
            std::string_view body = trimRight(line);
            if (body.back() != ']' || body.size() < 3) fail(source, lineNo, "key line must end with ']'");
            body = body.substr(1, body.size() - 2);
            sectionDeleted = !body.empty() && body.front() == '-';
            if (sectionDeleted) body.remove_prefix(1);
            size_t slash = body.find('\\');
            std::string_view rootText = body.substr(0, slash);
            std::optional<RootKey> r = parseRootName(rootText);
            if (!r) fail(source, lineNo, "unsupported root key \"" + std::string(rootText) + "\" (only HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE are kept)");
            KeyPath p;
            if (slash != std::string_view::npos) {
                std::string_view rest = body.substr(slash + 1);
                std::optional<KeyPath> parts;
                if (!rest.empty() && rest.front() != '\\' && rest.back() != '\\') parts = splitKeyPath(rest);
                if (!parts || parts->empty()) fail(source, lineNo, "malformed key path \"" + std::string(body) + "\"");
                p = std::move(*parts);
            }
            if (sectionDeleted && p.empty()) fail(source, lineNo, "a root key cannot be deleted");
            root = *r;
            path = p;
            inSection = true;
            entries.push_back(Entry{sectionDeleted ? Entry::Kind::DeleteKey : Entry::Kind::Key, root, path, {}, lineNo});
            continue;
        }

        if (line.front() != '"' && line.front() != '@') fail(source, lineNo, "unrecognised line");
        if (!inSection) fail(source, lineNo, "value outside of any key");

        Value value;
        std::string_view rest;
        if (line.front() == '@') {
            rest = line.substr(1);
        } else {
            std::string error;
            size_t end = readQuoted(line, value.name, error);
            if (end == std::string_view::npos) fail(source, lineNo, "value name: " + error);
            rest = line.substr(end);
        }
        rest = trimLeft(rest);
        if (rest.empty() || rest.front() != '=') fail(source, lineNo, "expected '=' after the value name");
        rest = trimLeft(rest.substr(1));

        Entry entry{Entry::Kind::SetValue, root, path, {}, lineNo};
        if (!rest.empty() && rest.front() == '"') {
            std::string error;
            size_t end = readQuoted(rest, value.data, error);
            if (end == std::string_view::npos) fail(source, lineNo, "value data: " + error);
            if (!trimRight(rest.substr(end)).empty()) fail(source, lineNo, "unexpected text after the quoted value");
        } else if (!rest.empty() && rest.front() == '-' && trimRight(rest.substr(1)).empty()) {
            entry.kind = Entry::Kind::DeleteValue;
        } else {
            // Kept as written, continuation lines included.
            std::string raw(rest);
            while (!trimRight(raw).empty() && trimRight(raw).back() == '\\') {
                if (i + 1 >= lines.size()) fail(source, lineNo, "file ends inside a continued value");
                raw += '\n';
                raw += lines[++i];
            }
            if (!validRawData(raw)) fail(source, lineNo, "unrecognised value data (expected \"text\", dword:, hex: or hex(N):)");
            value.isString = false;
            value.data = std::move(raw);
        }
        if (sectionDeleted) continue;  // regedit ignores values of a deleted key
        entry.value = std::move(value);
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool applyEntries(const std::vector<Entry>& entries, Key* const roots[2]) {
    bool changed = false;
    for (const Entry& e : entries) {
        Key& root = *roots[static_cast<int>(e.root)];
        switch (e.kind) {
        case Entry::Kind::Key:
            ensureKey(root, e.path, changed);
            break;
        case Entry::Kind::DeleteKey: {
            KeyPath parentPath(e.path.begin(), e.path.end() - 1);
            if (Key* parent = findKey(root, parentPath)) changed |= parent->removeSubkey(e.path.back());
            break;
        }
        case Entry::Kind::SetValue: {
            Key& k = ensureKey(root, e.path, changed);
            if (k.setValue(e.value)) changed = true;
            break;
        }
        case Entry::Kind::DeleteValue:
            if (Key* k = findKey(root, e.path)) changed |= k->removeValue(e.value.name);
            break;
        }
    }
    return changed;
}

std::unique_ptr<Key> loadRootText(std::string_view bytes, RootKey root, const std::string& source) {
    auto tree = std::make_unique<Key>();
    tree->name = rootNameOf(root);
    if (bytes.empty()) return tree;
    std::vector<Entry> entries = parseRegText(bytes, source);
    for (const Entry& e : entries) {
        if (e.root != root) fail(source, e.line, "key of another root in this file");
        if (e.kind == Entry::Kind::DeleteKey || e.kind == Entry::Kind::DeleteValue)
            fail(source, e.line, "deletions do not belong in a store file");
    }
    Key* roots[2] = {tree.get(), tree.get()};
    applyEntries(entries, roots);
    return tree;
}

std::string formatValue(const Value& v) {
    std::string out = v.name.empty() ? "@" : escapeQuoted(v.name);
    out += '=';
    out += v.isString ? escapeQuoted(v.data) : v.data;
    return out;
}

void formatSection(const Key& key, std::string_view fullName, std::string& out) {
    out += '[';
    out += fullName;
    out += "]\n";
    for (const Value& v : key.values) {
        out += formatValue(v);
        out += '\n';
    }
    out += '\n';
}

void formatSections(const Key& root, RootKey rootKey, std::string& out) {
    const std::string name = rootNameOf(rootKey);
    if (!root.values.empty()) formatSection(root, name, out);
    for (const auto& sub : root.subkeys) formatKeyRecursive(*sub, name + "\\" + sub->name, out);
}

std::string encodeHex1(std::string_view utf8) {
    std::u32string cps;
    if (!decodeUtf8(utf8, cps)) throw RegistryError("text that spans lines must be valid UTF-8");
    std::string bytes;
    auto put16 = [&](char32_t u) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>((u >> 8) & 0xFF);
    };
    for (char32_t cp : cps) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put16(0xD800 + (cp >> 10));
            put16(0xDC00 + (cp & 0x3FF));
        } else {
            put16(cp);
        }
    }
    put16(0);

    // Wrapped like regedit's export: lines under 80 columns, ",\" continuations.
    static const char* const digits = "0123456789abcdef";
    std::string out = "hex(1):";
    size_t lineStart = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 0xF];
        if (i + 1 < bytes.size()) {
            out += ',';
            if (out.size() - lineStart >= 76) {
                out += "\\\n  ";
                lineStart = out.size() - 2;
            }
        }
    }
    return out;
}

std::optional<std::string> stringOf(const Value& v) {
    if (v.isString) return v.data;
    std::string joined = joinContinued(v.data);
    unsigned type = 0;
    std::string_view list;
    if (!splitHexType(joined, type, list) || (type != 1 && type != 2)) return std::nullopt;
    std::string bytes;
    if (!parseHexBytes(list, &bytes)) return std::nullopt;
    if (bytes.size() % 2 != 0) bytes.pop_back();
    // Stop at the terminating NUL, as the platform's string reads do.
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        if (bytes[i] == 0 && bytes[i + 1] == 0) {
            bytes.resize(i);
            break;
        }
    }
    std::string out;
    int line = 0;
    if (!utf16leToUtf8(bytes, out, line)) return std::nullopt;
    return out;
}

}  // namespace reg::detail
