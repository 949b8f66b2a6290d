#pragma once

#include "view/ViewGeometry.h"

namespace view {

// Turns the presses, moves and releases of a stylus, a finger or the left mouse button into
// the map view's three gestures: a tap (sets the selection), a drag (scrolls) and a hold (opens
// the context menu). Time comes from outside, so the rules can be checked without a clock.
//
// Any move while the button is down makes a drag, except that moves within kHoldTolerancePx of
// the press during the first kHoldTimeMs belong to the hold recogniser: a shaking stylus can
// still tap and hold. A hold ends the gesture: the release after it is neither a tap nor a
// drag.
class PointerGesture {
public:
    static constexpr int kHoldTimeMs = 600;
    static constexpr int kHoldTolerancePx = 4;

    enum class Action {
        None,
        DragTo,  // show the drag offset for (press, current)
        Tap,     // select the release point
        DragEnd, // scroll by press - release
        Hold,    // open the context menu at the press point
    };

    // A press ends any earlier gesture.
    void Press(ViewPoint at, long long timeMs);
    Action Move(ViewPoint at, long long timeMs);
    Action Release(ViewPoint at, long long timeMs);
    // The hold timer started at the press has fired: Hold when the pointer is still down and
    // has stayed near the press point, else None. The timer is the judge of the time here, as
    // Qt's timers may fire a little early.
    Action HoldTimeout();

    [[nodiscard]] bool Pressed() const { return state_ != State::Idle; }
    [[nodiscard]] bool Dragging() const { return state_ == State::Dragging; }
    [[nodiscard]] ViewPoint PressPoint() const { return press_; }

private:
    enum class State { Idle, Pressed, Dragging, Held };
    [[nodiscard]] bool NearPress(ViewPoint at) const;

    State state_ = State::Idle;
    ViewPoint press_;
    long long pressTimeMs_ = 0;
};

} // namespace view
