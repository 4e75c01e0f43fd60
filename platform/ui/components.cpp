#include "platform/ui/components.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/form.h"

namespace ui {

Control::Control(std::string name, Control* parent) : name_(std::move(name)), parent_(parent) {
    // A control starts with its parent's font, as the platform's controls do.
    if (parent) font = parent->font;
    if (Form* form = parent ? parent->OwnerForm() : nullptr) form->adopt(this);
}

Form* Control::OwnerForm() {
    for (Control* c = this; c; c = c->parent_)
        if (auto* form = dynamic_cast<Form*>(c)) return form;
    return nullptr;
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    changed.fire();
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed.fire();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::SetFocus() {
    if (Form* form = OwnerForm()) form->SetActiveControl(this);
}

bool Control::Focused() {
    Form* form = OwnerForm();
    return form && form->ActiveControl() == this;
}

Label::Label(std::string name, Control* parent, std::string caption)
    : Control(std::move(name), parent), caption_(std::move(caption)) {}

void Label::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    changed.fire();
}

void Edit::SetText(std::string text) {
    text_ = std::move(text);
    changed.fire();
}

void Edit::KeyUp(int key, int shift) {
    if (OnKeyUp) OnKeyUp(key, shift);
}

void Edit::Click() {
    if (OnClick) OnClick();
}

namespace {

// The list control's own ordering: alphabetical without regard to case.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

void ComboBox::Add(std::string entry) {
    // After any equal entries, so that duplicates keep their arrival order.
    auto at = std::upper_bound(items_.begin(), items_.end(), entry, lessIgnoringCase);
    items_.insert(at, std::move(entry));
    changed.fire();
}

void ComboBox::SetItems(const std::vector<std::string>& entries) {
    items_ = entries;
    std::stable_sort(items_.begin(), items_.end(), lessIgnoringCase);
    itemIndex_ = -1;
    changed.fire();
}

void ComboBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    changed.fire();
}

void ComboBox::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < Count()) ? index : -1;
    changed.fire();
}

std::string ComboBox::Text() const { return itemIndex_ >= 0 ? items_[static_cast<std::size_t>(itemIndex_)] : std::string(); }

void ComboBox::Pick(int index) {
    SetItemIndex(index);
    if (OnChange) OnChange();
}

Button::Button(std::string name, Control* parent, std::string caption)
    : Control(std::move(name), parent), caption_(std::move(caption)) {}

void Button::Click() {
    if (OnClick) OnClick();
}

void ProgressBar::SetRange(int max) {
    max_ = std::max(max, 0);
    position_ = std::min(position_, max_);
    changed.fire();
}

void ProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, 0, max_);
    changed.fire();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed.fire();
}

}  // namespace ui
