#include "platform/ui/form.h"

#include "platform/ui/application.h"

namespace ui {

Form::Form(std::string name, std::string caption, Font font)
    : Control(std::move(name), nullptr), caption_(std::move(caption)) {
    this->font = std::move(font);
}

void Form::SetActiveControl(Control* control) {
    if (activeControl_ == control) return;
    activeControl_ = control;
    changed.fire();
}

void Form::Shown() {
    closed_ = false;
    if (OnShow) OnShow();
}

void Form::Activated() {
    if (OnActivate) OnActivate();
}

void Form::Close() {
    if (closed_) return;
    closed_ = true;
    if (OnClose) OnClose();
    closing.fire();
}

int Form::ShowModal() { return application().ShowModal(*this); }

}  // namespace ui
