#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/windows.h"
#include "companies/company_register.h"
#include "platform/registry/registry.h"
#include "tests/app/fake_application.h"
#include "tests/support/temp_registry_store.h"

// A main window whose company connection and engine are scripted by the
// test: it records what the run asked for and answers as told.
class ScriptedForm : public TForm1 {
public:
    struct Attempt {
        std::string name, line0, line1;
    };
    std::vector<Attempt> attempts;
    std::vector<std::string> updated;
    std::set<std::string> failing;           // entries whose connection fails
    bool legacyPresent = false;
    std::function<void()> onRename;          // the legacy rename; may throw
    std::function<void(const std::string&)> onUpdate;

    bool conecteazaFirma(const std::string& name) override {
        attempts.push_back({name, bazaDB.Params[0], bazaDB.Params[1]});
        if (name == "velantrix") return legacyPresent;
        if (failing.count(name)) {
            executateMM.Lines.Add("connection failed: " + name);
            arataDateAdministrator();
            return false;
        }
        return true;
    }
    void actualizeazaBaza(const std::string& name) override {
        updated.push_back(name);
        if (onUpdate) onUpdate(name);
    }
    void redenumesteBazaVeche() override {
        if (onRename) onRename();
    }
};

// Writes company entries into the register the way the accounting
// application stores them: reversed value names.
inline void writeRegister(const std::vector<std::string>& entries) {
    reg::Registry registry(reg::RootKey::ClassesRoot);
    ASSERT_TRUE(registry.OpenKey(companies::kRegisterKey, true));
    for (const std::string& entry : entries) registry.WriteString(companies::inverseaza(entry), "");
}

class MainWindowTest : public ::testing::Test {
protected:
    testsupport::TempRegistryStore store;
    FakeApplication app;
    Windows<ScriptedForm> windows;
    ScriptedForm& form = windows.form1;

    std::vector<std::string> report() const { return form.executateMM.Lines.lines(); }
};
