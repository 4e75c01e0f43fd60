#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/components.h"

namespace ui {

enum class BorderStyle { Sizeable, Single, Dialog };

// A window. It knows its controls (for front ends and focus) and its
// events; showing, modal showing and closing go through the application.
class Form : public Control {
public:
    // The font is given here, so that the controls, made after it, start with it.
    Form(std::string name, std::string caption, Font font = Font{});

    const std::string& Caption() const { return caption_; }
    int clientWidth = 0, clientHeight = 0;
    BorderStyle borderStyle = BorderStyle::Sizeable;
    bool minimizeBox = true, maximizeBox = true;
    bool centred = false;
    bool autoScroll = false;

    // Controls register themselves here, in declaration order.
    void adopt(Control* control) { controls_.push_back(control); }
    const std::vector<Control*>& controls() const { return controls_; }

    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* control);

    std::function<void()> OnShow;
    std::function<void()> OnActivate;
    std::function<void()> OnClose;

    // Called by front ends when the platform reports the event.
    void Shown();
    void Activated();
    // Closes the window: the closing event runs, then the front end hides it.
    void Close();
    // Shows the window modally; returns when it is closed.
    int ShowModal();
    bool closed() const { return closed_; }
    void reopen() { closed_ = false; }

    Signal<> closing;  // after OnClose, for front ends

private:
    std::string caption_;
    std::vector<Control*> controls_;
    Control* activeControl_ = nullptr;
    bool closed_ = false;
};

}  // namespace ui
