#pragma once

#include <functional>
#include <vector>

namespace ui {

// A minimal change notification: front ends subscribe, the model emits.
template <typename... Args>
class Signal {
public:
    using Slot = std::function<void(Args...)>;
    void connect(Slot slot) { slots_.push_back(std::move(slot)); }
    void fire(Args... args) const {
        for (const Slot& slot : slots_) slot(args...);
    }

private:
    std::vector<Slot> slots_;
};

}  // namespace ui
