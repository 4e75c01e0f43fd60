#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh store folder per test, under a temporary folder that is removed
// afterwards. The store folder itself is created by the code under test.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (std::filesystem::temp_directory_path() / "velantrix-reg-test.XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        base = tmpl;
        store = base / "store";
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(base, ec);
    }

    std::filesystem::path file(const char* name) const { return store / name; }
    std::filesystem::path classesFile() const { return file("HKEY_CLASSES_ROOT.reg"); }
    std::filesystem::path machineFile() const { return file("HKEY_LOCAL_MACHINE.reg"); }

    static std::string readAll(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    static void writeAll(const std::filesystem::path& p, const std::string& bytes) {
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary);
        out << bytes;
    }

    std::filesystem::path base;
    std::filesystem::path store;
};

// UTF-16LE with a byte order mark, as regedit exports; the input is ASCII
// or Latin-1-free UTF-8 limited to the Basic Multilingual Plane.
inline std::string toUtf16le(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        if (c < 0x80) {
            cp = c;
            i += 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = ((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
            i += 2;
        } else {
            cp = ((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            i += 3;
        }
        out += static_cast<char>(cp & 0xFF);
        out += static_cast<char>(cp >> 8);
    }
    return out;
}
