#pragma once

#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

// Stands in for a front end: records message boxes and modal showings.
class FakeApplication : public ui::Application {
public:
    struct Box {
        std::string text, caption;
        int flags;
    };
    FakeApplication() { ui::setApplication(this); }
    ~FakeApplication() override { ui::setApplication(nullptr); }
    int MessageBox(const std::string& text, const std::string& caption, int flags) override {
        boxes.push_back({text, caption, flags});
        return 1;
    }
    int ShowModal(ui::Form& form) override {
        modal.push_back(form.Name());
        form.Shown();
        return 0;
    }
    std::vector<Box> boxes;
    std::vector<std::string> modal;
};
