#pragma once

#include <QEvent>

#include "Actions.h"

// A control of our own whose event handlers report their failures in the
// error box themselves, like the actions do.
//
// The toolkit's widget libraries are built without exception support: a
// failure unwound through their event delivery skips its clean-up (the key
// delivery's guard on the receiver, for one, is never released), so the
// failure has to stop in the control that raised it. An event that failed
// counts as handled and goes to no other control.
template <typename Control>
class TGuardedEvents : public Control {
 public:
  using Control::Control;

 protected:
  bool event(QEvent* event) override {
    bool handled = true;
    RunAction([&] { handled = Control::event(event); });
    return handled;
  }
};
