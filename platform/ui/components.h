#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/signal.h"
#include "platform/ui/strings.h"

// The window component model: plain objects that hold the state of a window's
// controls and announce its changes. The windows' logic is written against
// it; the Qt and console front ends render it.
namespace ui {

class Form;

enum class Align { None, Top, Bottom, Client };

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Font {
    std::string name = "MS Sans Serif";
    int height = -11;  // negative: character height in pixels
    bool bold = false;
    unsigned color = 0x000000;  // 0xRRGGBB
    bool operator==(const Font&) const = default;
};

constexpr unsigned kNavy = 0x000080;
constexpr unsigned kRed = 0xFF0000;

class Control {
public:
    Control(std::string name, Control* parent);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    Form* OwnerForm();

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Seen on screen: visible itself and every parent visible.
    bool Showing() const;
    void SetFocus();
    bool Focused();

    Bounds bounds;
    Align align = Align::None;
    Font font;  // the parent's, unless the control sets its own
    bool wordWrap = false;
    std::string hint;

    Signal<> changed;

private:
    std::string name_;
    Control* parent_;
    bool visible_ = true;
    bool enabled_ = true;
};

class Label : public Control {
public:
    Label(std::string name, Control* parent, std::string caption);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

private:
    std::string caption_;
};

class Panel : public Control {
public:
    using Control::Control;
    int innerMargin = 0;
};

class Memo : public Control {
public:
    using Control::Control;
    Strings Lines;
    bool verticalScrollBar = false;
    bool horizontalScrollBar = false;
    bool readOnly = false;
};

class Edit : public Control {
public:
    using Control::Control;
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    char passwordChar = 0;
    // Key released in the field: key code and shift state.
    std::function<void(int key, int shift)> OnKeyUp;
    void KeyUp(int key, int shift = 0);
    // A click in the field.
    std::function<void()> OnClick;
    void Click();

private:
    std::string text_;
};

// A sorted, pick-only list: entries kept in case-insensitive alphabetical
// order whatever order they were added in; duplicates are all kept.
class ComboBox : public Control {
public:
    using Control::Control;
    void Add(std::string entry);
    void SetItems(const std::vector<std::string>& entries);  // replaces and sorts
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);  // -1 (or out of range) selects nothing
    std::string Text() const;      // the selected entry, "" when none
    // The user picked an entry (a front end calls Pick, which fires OnChange).
    std::function<void()> OnChange;
    void Pick(int index);

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

class Button : public Control {
public:
    Button(std::string name, Control* parent, std::string caption);
    const std::string& Caption() const { return caption_; }
    std::function<void()> OnClick;
    // Runs the click handler synchronously, as a mouse click would.
    void Click();
    bool hasGlyph = false;

private:
    std::string caption_;
};

class ProgressBar : public Control {
public:
    using Control::Control;
    void SetRange(int max);
    void SetPosition(int position);
    int Max() const { return max_; }
    int Position() const { return position_; }

private:
    int max_ = 100;
    int position_ = 0;
};

// A non-visual timer; the front end runs it.
class Timer {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int interval = 1000;  // milliseconds
    std::function<void()> OnTimer;
    Signal<> changed;

private:
    bool enabled_ = true;
};

}  // namespace ui
