#include "view/PointerGesture.h"

#include <cstdlib>

namespace view {

bool PointerGesture::NearPress(ViewPoint at) const {
    return std::abs(static_cast<long long>(at.x) - press_.x) <= kHoldTolerancePx &&
           std::abs(static_cast<long long>(at.y) - press_.y) <= kHoldTolerancePx;
}

void PointerGesture::Press(ViewPoint at, long long timeMs) {
    state_ = State::Pressed;
    press_ = at;
    pressTimeMs_ = timeMs;
}

PointerGesture::Action PointerGesture::Move(ViewPoint at, long long timeMs) {
    switch (state_) {
    case State::Idle:
    case State::Held:
        return Action::None;
    case State::Pressed:
        if (NearPress(at) && timeMs - pressTimeMs_ < kHoldTimeMs)
            return Action::None;
        state_ = State::Dragging;
        return Action::DragTo;
    case State::Dragging:
        return Action::DragTo;
    }
    return Action::None;
}

PointerGesture::Action PointerGesture::Release(ViewPoint at, long long timeMs) {
    const State was = state_;
    state_ = State::Idle;
    switch (was) {
    case State::Idle:
    case State::Held:
        return Action::None;
    case State::Dragging:
        return Action::DragEnd;
    case State::Pressed:
        // A release after the hold time that the timer has not reported yet is still a hold.
        if (timeMs - pressTimeMs_ >= kHoldTimeMs && NearPress(at))
            return Action::Hold;
        return Action::Tap;
    }
    return Action::None;
}

PointerGesture::Action PointerGesture::HoldTimeout() {
    if (state_ != State::Pressed)
        return Action::None;
    state_ = State::Held;
    return Action::Hold;
}

} // namespace view
