#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/windows.h"
#include "companies/company_register.h"
#include "platform/registry/registry.h"
#include "tests/app/fake_application.h"
#include "tests/support/temp_registry_store.h"

namespace legacytest {

using Values = std::vector<std::pair<std::string, std::string>>;

// The values of a key of the machine root, in their order; nothing when the
// key does not exist.
inline std::optional<Values> machineValues(const std::string& key) {
    reg::Registry registry(reg::RootKey::LocalMachine);
    if (!registry.OpenKey(key, false)) return std::nullopt;
    Values values;
    for (const std::string& name : registry.GetValueNames()) values.emplace_back(name, registry.ReadString(name));
    return values;
}

inline std::optional<Values> record(const std::string& dsn) { return machineValues("Software\\ODBC\\ODBC.INI\\" + dsn); }

inline std::string valueOf(const Values& values, const std::string& name) {
    for (const auto& [n, v] : values)
        if (n == name) return v;
    return "<absent>";
}

// The register's stored value names, in their order.
inline std::vector<std::string> registerNames() {
    reg::Registry registry(reg::RootKey::ClassesRoot);
    if (!registry.OpenKey(companies::kRegisterKey, true)) return {};
    return registry.GetValueNames();
}

// Stored (reversed) value names written in this order.
inline void writeRegisterNames(const std::vector<std::string>& names) {
    reg::Registry registry(reg::RootKey::ClassesRoot);
    ASSERT_TRUE(registry.OpenKey(companies::kRegisterKey, true));
    for (const std::string& name : names) registry.WriteString(name, "");
}

// The whole store as bytes, one text per root file, for "nothing changed".
inline std::vector<std::string> storeSnapshot(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    for (const char* name : {"HKEY_CLASSES_ROOT.reg", "HKEY_LOCAL_MACHINE.reg"}) {
        std::ifstream in(folder / name, std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

}  // namespace legacytest
