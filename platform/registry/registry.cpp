#include "platform/registry/registry.h"

#include <cstdlib>
#include <optional>

#include <pwd.h>
#include <unistd.h>

#include "platform/registry/regtext.h"
#include "platform/registry/store.h"

namespace reg {

using detail::Key;
using detail::KeyPath;
using detail::Roots;

std::string_view rootName(RootKey root) {
    switch (root) {
    case RootKey::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
    }
    return "";
}

std::filesystem::path storeFolder() {
    if (const char* dir = std::getenv("VELANTRIX_REGISTRY"); dir && *dir) return dir;
    // XDG says a relative XDG_DATA_HOME is to be ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return std::filesystem::path(xdg) / "velantrix" / "registry";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw ? pw->pw_dir : nullptr;
    }
    if (!home || !*home) throw RegistryError("no registry store folder: set VELANTRIX_REGISTRY or HOME");
    return std::filesystem::path(home) / ".local" / "share" / "velantrix" / "registry";
}

struct Registry::Impl {
    RootKey root;
    std::filesystem::path store;
    std::optional<KeyPath> current;  // the open key, as a path from the root

    std::string keyName(const KeyPath& path) const {
        std::string name(rootName(root));
        for (const std::string& part : path) name += "\\" + part;
        return name;
    }

    Roots read() const { return detail::readStore(store, {root}); }

    const KeyPath& openPath() const {
        if (!current) throw RegistryError("no registry key is open");
        return *current;
    }

    // The open key in freshly loaded roots; another process may have deleted it.
    template <class K>
    static auto& openKeyIn(K& rootKey, const KeyPath& path, const Impl& self) {
        auto* key = detail::findKey(rootKey, path);
        if (!key) throw RegistryError("the registry key " + self.keyName(path) + " no longer exists");
        return *key;
    }

    // Subkey arguments are relative to the open key, or to the root when
    // none is open or they start with a backslash.
    std::optional<std::pair<KeyPath, KeyPath>> resolve(std::string_view subkey) const {
        KeyPath base;
        if (current && (subkey.empty() || subkey.front() != '\\')) base = *current;
        std::optional<KeyPath> rel = detail::splitKeyPath(subkey);
        if (!rel) return std::nullopt;
        return std::make_pair(std::move(base), std::move(*rel));
    }
};

Registry::Registry(RootKey root, std::filesystem::path store) : impl_(new Impl{root, std::move(store), std::nullopt}) {}

Registry::~Registry() = default;

bool Registry::OpenKey(std::string_view key, bool canCreate) {
    // A failed open leaves no key open, so a caller that goes on writing
    // gets an error rather than a write to some earlier key.
    impl_->current.reset();
    std::optional<KeyPath> path = detail::splitKeyPath(key);
    if (!path) return false;
    try {
        Roots roots = impl_->read();
        if (!detail::findKey(roots[impl_->root], *path)) {
            if (!canCreate) return false;
            detail::changeStore(impl_->store, {impl_->root}, [&](Roots& fresh) {
                bool created = false;
                detail::ensureKey(fresh[impl_->root], *path, created);
                if (created) fresh.markChanged(impl_->root);
            });
        }
    } catch (const RegistryError&) {
        return false;
    }
    impl_->current = std::move(path);
    return true;
}

void Registry::CloseKey() { impl_->current.reset(); }

bool Registry::hasCurrentKey() const { return impl_->current.has_value(); }

std::vector<std::string> Registry::GetValueNames() const {
    const KeyPath& path = impl_->openPath();
    Roots roots = impl_->read();
    const Key& key = Impl::openKeyIn(roots[impl_->root], path, *impl_);
    std::vector<std::string> names;
    names.reserve(key.values.size());
    for (const detail::Value& v : key.values) names.push_back(v.name);
    return names;
}

std::vector<std::string> Registry::GetKeyNames() const {
    const KeyPath path = impl_->current.value_or(KeyPath{});
    Roots roots = impl_->read();
    const Key& key = Impl::openKeyIn(roots[impl_->root], path, *impl_);
    std::vector<std::string> names;
    names.reserve(key.subkeys.size());
    for (const auto& sub : key.subkeys) names.push_back(sub->name);
    return names;
}

bool Registry::ValueExists(std::string_view name) const {
    const KeyPath& path = impl_->openPath();
    Roots roots = impl_->read();
    return Impl::openKeyIn(roots[impl_->root], path, *impl_).findValue(name) != nullptr;
}

std::string Registry::ReadString(std::string_view name) const {
    const KeyPath& path = impl_->openPath();
    Roots roots = impl_->read();
    const Key& key = Impl::openKeyIn(roots[impl_->root], path, *impl_);
    const detail::Value* v = key.findValue(name);
    if (!v) throw RegistryError("no value \"" + std::string(name) + "\" in " + impl_->keyName(path));
    std::optional<std::string> text = detail::stringOf(*v);
    if (!text) throw RegistryError("the value \"" + std::string(name) + "\" in " + impl_->keyName(path) + " is not a string");
    return *text;
}

void Registry::WriteString(std::string_view name, std::string_view value) {
    const KeyPath path = impl_->openPath();
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        throw RegistryError("a value name cannot hold line breaks or NUL");
    if (value.find('\0') != std::string_view::npos) throw RegistryError("a string value cannot hold NUL");
    detail::Value v{std::string(name), true, std::string(value)};
    // A line break would end the value's line, so such text goes in as
    // hex(1), which is the same string type in regedit's other spelling.
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        v.isString = false;
        v.data = detail::encodeHex1(value);
    }
    detail::changeStore(impl_->store, {impl_->root}, [&](Roots& roots) {
        if (Impl::openKeyIn(roots[impl_->root], path, *impl_).setValue(std::move(v))) roots.markChanged(impl_->root);
    });
}

bool Registry::DeleteValue(std::string_view name) {
    const KeyPath path = impl_->openPath();
    bool removed = false;
    detail::changeStore(impl_->store, {impl_->root}, [&](Roots& roots) {
        removed = Impl::openKeyIn(roots[impl_->root], path, *impl_).removeValue(name);
        if (removed) roots.markChanged(impl_->root);
    });
    return removed;
}

bool Registry::KeyExists(std::string_view subkey) const {
    auto resolved = impl_->resolve(subkey);
    if (!resolved) return false;
    Roots roots = impl_->read();
    const Key* base = detail::findKey(roots[impl_->root], resolved->first);
    return base && detail::findKey(*base, resolved->second);
}

bool Registry::CreateKey(std::string_view subkey) {
    auto resolved = impl_->resolve(subkey);
    if (!resolved) return false;
    try {
        {
            Roots roots = impl_->read();
            const Key* base = detail::findKey(roots[impl_->root], resolved->first);
            if (!base) return false;
            if (detail::findKey(*base, resolved->second)) return true;
        }
        bool ok = false;
        detail::changeStore(impl_->store, {impl_->root}, [&](Roots& roots) {
            Key* base = detail::findKey(roots[impl_->root], resolved->first);
            if (!base) return;  // the open key went away meanwhile
            bool created = false;
            detail::ensureKey(*base, resolved->second, created);
            if (created) roots.markChanged(impl_->root);
            ok = true;
        });
        return ok;
    } catch (const RegistryError&) {
        return false;
    }
}

bool Registry::DeleteKey(std::string_view subkey) {
    auto resolved = impl_->resolve(subkey);
    if (!resolved || resolved->second.empty()) return false;
    KeyPath parentPath = resolved->first;
    parentPath.insert(parentPath.end(), resolved->second.begin(), resolved->second.end() - 1);
    {
        // Deleting what is not there must not need a writable store.
        Roots roots = impl_->read();
        const Key* parent = detail::findKey(roots[impl_->root], parentPath);
        if (!parent || !parent->findSubkey(resolved->second.back())) return false;
    }
    bool removed = false;
    detail::changeStore(impl_->store, {impl_->root}, [&](Roots& roots) {
        Key* parent = detail::findKey(roots[impl_->root], parentPath);
        removed = parent && parent->removeSubkey(resolved->second.back());
        if (removed) roots.markChanged(impl_->root);
    });
    return removed;
}

}  // namespace reg
