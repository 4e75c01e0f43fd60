#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace ui {

class Form;
class Control;

// Message box flags as the program passes them.
constexpr int MB_OK = 0;
constexpr int MB_ICONERROR = 16;
constexpr int MB_ICONWARNING = 48;

// The application object of a front end: message boxes, modal showing,
// the standard exception display and painting during long work.
class Application {
public:
    virtual ~Application() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
    virtual int ShowModal(Form& form) = 0;
    // The open-file dialog: the chosen file's full path, or nothing when cancelled.
    virtual std::optional<std::string> OpenFile(const std::string& filterDescription, const std::string& pattern,
                                                const std::string& startPath) {
        (void)filterDescription, (void)pattern, (void)startPath;
        return std::nullopt;
    }
    // Keeps the windows painted during long synchronous work; processes no user input.
    virtual void ProcessPaintEvents() {}
    // The standard exception display: shows the message, the program goes on.
    virtual void ShowException(const std::exception& error);
};

Application& application();
void setApplication(Application* app);

// Runs an event handler the way the message loop does: an exception that
// escapes it goes to the standard exception display.
void dispatch(const std::function<void()>& handler);

}  // namespace ui
