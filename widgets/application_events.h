#pragma once
// The component that takes over the application's exception event: every
// exception that escapes an event handler reaches its OnException instead
// of the error box.
#include "widgets/application.h"
#include "widgets/component.h"

class ApplicationEvents : public Component {
  public:
    explicit ApplicationEvents(std::string name) : Component(std::move(name)) {
        Application::instance().setExceptionHandler(
            [this](Component* sender, const std::exception& error) {
                if (OnException)
                    OnException(sender, error);
            });
    }
    ~ApplicationEvents() override { Application::instance().setExceptionHandler(nullptr); }

    std::function<void(Component* sender, const std::exception& error)> OnException;
};
