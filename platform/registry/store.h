#pragma once

// Internal: the store folder's files, their lock and their atomic replacement.

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>

#include "platform/registry/regtext.h"

namespace reg::detail {

std::filesystem::path storeFile(const std::filesystem::path& folder, RootKey root);

// Roots loaded from the store; a root not asked for stays null.
struct Roots {
    std::unique_ptr<Key> tree[2];
    bool changed[2] = {false, false};

    Key& operator[](RootKey r) { return *tree[static_cast<int>(r)]; }
    void markChanged(RootKey r) { changed[static_cast<int>(r)] = true; }
};

// Loads the roots afresh under a shared lock. A missing folder or file reads
// as an empty root. Throws RegistryError for unreadable or malformed files.
Roots readStore(const std::filesystem::path& folder, std::initializer_list<RootKey> which);

// Loads the roots under the exclusive lock (creating the folder), runs
// `change`, and replaces the file of every root it marked changed. Throws
// RegistryError; an exception from `change` leaves every file as it was.
void changeStore(const std::filesystem::path& folder, std::initializer_list<RootKey> which,
                 const std::function<void(Roots&)>& change);

}  // namespace reg::detail
