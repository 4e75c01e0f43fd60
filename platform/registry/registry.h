#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Our stand-in for the Windows registry: the two roots the program uses, kept
// as regedit-format text files (one per root) in one store folder.
namespace reg {

enum class RootKey { ClassesRoot, LocalMachine };

// The root's name as regedit writes it, such as "HKEY_CLASSES_ROOT".
std::string_view rootName(RootKey root);

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The store folder: $VELANTRIX_REGISTRY, else a per-user default
// ($XDG_DATA_HOME or ~/.local/share, then velantrix/registry).
std::filesystem::path storeFolder();

// A registry accessor in the manner of the platform's registry class: one
// root, at most one open key at a time. Nothing is cached between calls:
// every read loads the store afresh, every change is written at once
// (atomically, under a file lock shared with other processes).
// Key paths use backslashes; names compare case-insensitively and keep the
// case they were first written with.
class Registry {
public:
    explicit Registry(RootKey root, std::filesystem::path store = storeFolder());
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Opens `key` (a path from the root; a leading backslash is allowed).
    // With canCreate the key and its parents are created when missing.
    // False when the key is missing (without canCreate) or when the store
    // cannot be read, created or written; a failed open leaves no key open.
    bool OpenKey(std::string_view key, bool canCreate);
    void CloseKey();
    bool hasCurrentKey() const;

    // The value functions below work on the open key and throw RegistryError
    // when none is open, when it was deleted meanwhile, or when the store
    // cannot be read (a malformed store file names its file and line).

    // Value names of the open key, in the order they were first written.
    // The unnamed default value is listed as "".
    std::vector<std::string> GetValueNames() const;
    // Names of the open key's (or the root's) direct subkeys, in the order
    // they were created. Throws RegistryError.
    std::vector<std::string> GetKeyNames() const;

    bool ValueExists(std::string_view name) const;
    // Throws RegistryError when the value is missing or not a string value
    // (REG_SZ or REG_EXPAND_SZ).
    std::string ReadString(std::string_view name) const;
    // Creates or replaces a string value (REG_SZ). A replaced value keeps its
    // place in the order. Throws RegistryError when the store cannot be
    // written, and for a NUL in the value or a line break in the name.
    void WriteString(std::string_view name, std::string_view value);
    // False when there was no such value. Throws RegistryError on a store failure.
    bool DeleteValue(std::string_view name);

    // Subkey paths relative to the open key (or to the root when none is open
    // or the path starts with a backslash).
    bool KeyExists(std::string_view subkey) const;  // throws RegistryError on a store failure
    bool CreateKey(std::string_view subkey);        // false when it cannot be created
    // With all its subkeys; false when missing. Throws RegistryError when the
    // store cannot be read or written.
    bool DeleteKey(std::string_view subkey);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace reg
