#pragma once
// A transition from one picture to another, played for 400 ms with a
// randomly chosen effect. The message loop keeps running while it plays, so
// timers fire.
#include "imaging/picture.h"
#include "widgets/component.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class Surface;

class TransitionAnimation : public Component {
  public:
    explicit TransitionAnimation(std::string name) : Component(std::move(name)) {}

    int duration() const { return durationMs_; }
    // Durations are held between 50 ms and 9 s.
    void setDuration(int ms);

    // Plays over the child window `target`: a cover goes up showing `from`
    // and takes the mouse, `change` runs, the new picture of `target` is
    // captured, and the frames play on the cover. The cover comes down in
    // every case, also when `change` or the transition throws.
    void play(HWND target, const imaging::Picture& from, const std::function<void()>& change);

    // Plays the frames from `from` to `to` (same size), handing each to
    // `showFrame`, with a freshly picked effect.
    void run(const imaging::Picture& from, const imaging::Picture& to,
             const std::function<void(const Surface& frame)>& showFrame);

    // The effect of the last run, for tests and logs.
    std::size_t lastEffect() const { return lastEffect_; }

  private:
    int durationMs_ = 400;
    std::size_t lastEffect_ = 0;
};

// The designer's list that holds the window's animations.
class AnimationList : public Component {
  public:
    AnimationList(std::string name, std::vector<TransitionAnimation*> animations)
        : Component(std::move(name)), animations_(std::move(animations)) {}
    int count() const { return static_cast<int>(animations_.size()); }
    TransitionAnimation& at(int index) const { return *animations_.at(index); }

  private:
    std::vector<TransitionAnimation*> animations_;
};

// One draw of the program's random generator, seeded from the clock once.
std::uint32_t randomDraw();

// Waits up to one frame interval for messages, then dispatches them all.
void waitForNextFrame();
