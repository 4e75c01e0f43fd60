#include "platform/registry/regfile.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "platform/registry/regtext.h"
#include "platform/registry/store.h"

namespace reg {

void importRegText(std::string_view bytes, const std::string& source, const std::filesystem::path& store) {
    const std::vector<detail::Entry> entries = detail::parseRegText(bytes, source);
    detail::changeStore(store, {RootKey::ClassesRoot, RootKey::LocalMachine}, [&](detail::Roots& roots) {
        detail::Key* trees[2] = {roots.tree[0].get(), roots.tree[1].get()};
        // Only roots the file touches are rewritten.
        if (!detail::applyEntries(entries, trees)) return;
        for (const detail::Entry& e : entries) roots.markChanged(e.root);
    });
}

void importRegFile(const std::filesystem::path& file, const std::filesystem::path& store) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw RegistryError("cannot open " + file.string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw RegistryError("cannot read " + file.string());
    importRegText(bytes, file.string(), store);
}

std::string exportStore(const std::filesystem::path& store) {
    detail::Roots roots = detail::readStore(store, {RootKey::ClassesRoot, RootKey::LocalMachine});
    std::string out = std::string(detail::kFileHeader) + "\n\n";
    detail::formatSections(roots[RootKey::ClassesRoot], RootKey::ClassesRoot, out);
    detail::formatSections(roots[RootKey::LocalMachine], RootKey::LocalMachine, out);
    return out;
}

std::string listKey(std::string_view key, const std::filesystem::path& store) {
    const size_t slash = key.find('\\');
    const std::optional<RootKey> root = detail::parseRootName(key.substr(0, slash));
    if (!root) throw RegistryError("unknown root in \"" + std::string(key) + "\" (use HKEY_CLASSES_ROOT, HKCR, HKEY_LOCAL_MACHINE or HKLM)");
    std::optional<detail::KeyPath> path =
        detail::splitKeyPath(slash == std::string_view::npos ? std::string_view() : key.substr(slash + 1));
    if (!path) throw RegistryError("malformed key name \"" + std::string(key) + "\"");

    detail::Roots roots = detail::readStore(store, {*root});
    const detail::Key* k = detail::findKey(roots[*root], *path);
    std::string name(rootName(*root));
    for (const std::string& part : *path) name += "\\" + part;
    if (!k) throw RegistryError("no such key: " + name);

    // The names as stored, so the listing shows their real case.
    std::string shown(rootName(*root));
    const detail::Key* walk = &roots[*root];
    for (const std::string& part : *path) {
        walk = walk->findSubkey(part);
        shown += "\\" + walk->name;
    }
    std::string out;
    detail::formatSection(*k, shown, out);
    out += k->subkeys.empty() ? "No subkeys.\n" : "Subkeys:\n";
    for (const auto& sub : k->subkeys) out += "  " + sub->name + "\n";
    return out;
}

}  // namespace reg
