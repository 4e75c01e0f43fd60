#pragma once

// Whole-store operations on regedit files, behind the velantrix-reg tool.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/registry/registry.h"

namespace reg {

// Merges regedit text into the store the way regedit merges a .reg file:
// keys are created, values set, "[-KEY]" deletes a key with its subkeys and
// "Name"=- deletes a value. The text is read whole before anything is
// written, so a malformed file changes nothing. `source` names it in errors.
void importRegText(std::string_view bytes, const std::string& source, const std::filesystem::path& store);
void importRegFile(const std::filesystem::path& file, const std::filesystem::path& store);

// The whole store (both roots) as one regedit file.
std::string exportStore(const std::filesystem::path& store);

// One key's section (its values in regedit's spelling) followed by the names
// of its subkeys. `key` starts with its root (HKEY_CLASSES_ROOT or HKCR,
// HKEY_LOCAL_MACHINE or HKLM). Throws RegistryError when it is missing.
std::string listKey(std::string_view key, const std::filesystem::path& store);

}  // namespace reg
