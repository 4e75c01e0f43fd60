#include "platform/ui/application.h"

#include <iostream>

namespace ui {

namespace {

// Used until a front end installs itself: reports boxes on standard error.
class StandardErrorApplication : public Application {
public:
    int MessageBox(const std::string& text, const std::string& caption, int) override {
        std::cerr << caption << ": " << text << '\n';
        return 1;
    }
    int ShowModal(Form&) override { return 0; }
};

StandardErrorApplication fallback;
Application* current = &fallback;

}  // namespace

void Application::ShowException(const std::exception& error) { MessageBox(error.what(), "Error", MB_ICONERROR); }

Application& application() { return *current; }

void setApplication(Application* app) { current = app ? app : &fallback; }

void dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        application().ShowException(error);
    }
}

}  // namespace ui
