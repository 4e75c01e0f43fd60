// Two updaters started on one database at once: one passes the release, the
// other refuses it, and the database ends with one completed pass.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/system/system.h"
#include "tests/support/files.h"
#include "platform/registry/registry.h"
#include "tests/engine/engine_fixture.h"

namespace {

TEST_F(EngineTest, TwoUpdatersAtOnceMakeOnePass) {
    createCompany("RO4242");
    {
        reg::Registry registry(reg::RootKey::ClassesRoot);
        ASSERT_TRUE(registry.OpenKey(companies::kRegisterKey, true));
        registry.WriteString(companies::inverseaza("RO4242"), "");
    }
    const auto folder = store.path();
    auto run = [&](int n) {
        sys::RunOptions options;
        options.environment = {{"VELANTRIX_REGISTRY", folder.string()}, {"VELANTRIX_SYSTEM_DIR", folder.string()}};
        options.standardOutput = folder / ("out" + std::to_string(n));
        options.standardError = folder / ("err" + std::to_string(n));
        return sys::run({UPDATER, "--console"}, options).exitStatus;
    };
    int status[2] = {-1, -1};
    std::thread first([&] { status[0] = run(0); });
    std::thread second([&] { status[1] = run(1); });
    first.join();
    second.join();

    EXPECT_EQ(status[0], 0);
    EXPECT_EQ(status[1], 0);
    const std::string reports = testsupport::readFile(folder / "out0") + testsupport::readFile(folder / "out1");
    std::size_t refusals = 0;
    for (std::size_t at = 0; (at = reports.find("UPDATE a fost deja efectuat pentru RO4242", at)) != std::string::npos; ++at)
        ++refusals;
    EXPECT_EQ(refusals, 1u) << reports;
    EXPECT_EQ(value("RO4242", "SELECT count(*) FROM logupdate WHERE executat = 'Y'"), "1");
    EXPECT_EQ(value("RO4242", "SELECT count(*) FROM logupdate WHERE executat IS NULL"), "0");
}

}  // namespace
