#pragma once

// Internal: the in-memory key tree and the regedit text format it is kept in.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/registry.h"

namespace reg::detail {

// ASCII-only, like the registry's own comparison of names we care about.
bool equalsNoCase(std::string_view a, std::string_view b);

struct Value {
    std::string name;      // "" is the default value (@)
    bool isString = true;  // REG_SZ written as "..."
    // For a string: the decoded text. Otherwise the text after '=' exactly as
    // it stood in the file (continuation lines joined with '\n'), so types we
    // do not interpret survive untouched.
    std::string data;

    bool operator==(const Value&) const = default;
};

struct Key {
    std::string name;
    std::vector<Value> values;                  // in the order first written
    std::vector<std::unique_ptr<Key>> subkeys;  // in creation order

    Key* findSubkey(std::string_view n) const;
    Value* findValue(std::string_view n);
    const Value* findValue(std::string_view n) const;

    // Each returns whether anything changed, so callers can skip a rewrite.
    bool setValue(Value v);  // replaces in place, else appends
    bool removeValue(std::string_view n);
    bool removeSubkey(std::string_view n);
};

using KeyPath = std::vector<std::string>;

const Key* findKey(const Key& root, const KeyPath& path);
Key* findKey(Key& root, const KeyPath& path);
// Creates the missing keys of `path`; sets `created` when any was missing.
Key& ensureKey(Key& root, const KeyPath& path, bool& created);

// Splits a backslash-separated path. One leading and one trailing backslash
// are allowed; empty components and names that cannot be written to a
// section line (CR, LF, NUL) are not.
std::optional<KeyPath> splitKeyPath(std::string_view text);

// Accepts "HKEY_CLASSES_ROOT"/"HKCR" and "HKEY_LOCAL_MACHINE"/"HKLM", any case.
std::optional<RootKey> parseRootName(std::string_view name);

// One instruction of a regedit file, in file order.
struct Entry {
    enum class Kind { Key, DeleteKey, SetValue, DeleteValue };
    Kind kind;
    RootKey root;
    KeyPath path;
    Value value;  // SetValue; DeleteValue uses value.name only
    int line;
};

// Parses regedit text (UTF-8, UTF-8 with BOM, or UTF-16LE with BOM; CR LF or
// LF). Errors name `source` and the line. Roots other than ours are errors.
std::vector<Entry> parseRegText(std::string_view bytes, const std::string& source);

// Loads one root's store file content into a tree. Deletions and sections of
// another root make the file malformed.
std::unique_ptr<Key> loadRootText(std::string_view bytes, RootKey root, const std::string& source);

// Applies entries to the trees (indexed by RootKey); true when anything changed.
bool applyEntries(const std::vector<Entry>& entries, Key* const roots[2]);

extern const char* const kFileHeader;

// The value's line(s) as regedit writes them, without the final line end.
std::string formatValue(const Value& v);
// All sections of one root (not the file header), each followed by a blank line.
void formatSections(const Key& root, RootKey rootKey, std::string& out);
// One section and its values (no subkeys), e.g. for listing a key.
void formatSection(const Key& key, std::string_view fullName, std::string& out);

// REG_SZ text that cannot stand on one line is stored as hex(1): UTF-16LE.
std::string encodeHex1(std::string_view utf8);
// The text of a string-like value (REG_SZ or REG_EXPAND_SZ, quoted or hex);
// nothing for other types.
std::optional<std::string> stringOf(const Value& v);

}  // namespace reg::detail
