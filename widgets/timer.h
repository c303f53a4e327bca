#pragma once
// A window timer with an interval, an enabled switch and a tick event, as a
// designer timer behaves: enabling starts a fresh interval, setting the same
// state again changes nothing, a late tick is served once (the system merges
// waiting ticks), and ticks are served by any message loop that runs,
// including the nested ones of message boxes and transitions.
#include "widgets/component.h"
#include "widgets/window.h"

#include <functional>

class Timer : public Component, private Window {
  public:
    Timer(std::string name, unsigned intervalMs, bool enabled);
    ~Timer() override;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    unsigned Interval() const { return intervalMs_; }
    void setInterval(unsigned intervalMs);

    std::function<void(Component& sender)> OnTimer;

    // Creates the timer's own message window; called by the form.
    void createHandle();

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Component* eventSender() override { return this; }
    void restart();

    unsigned intervalMs_;
    bool enabled_;
};
