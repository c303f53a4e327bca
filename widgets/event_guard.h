#pragma once
// Every event handler and every message a widget handles runs inside a guard:
// an exception that escapes is handed to the application's exception event
// and never crosses a Win32 callback (one that did would end the process).
#include "widgets/application.h"

#include <exception>

class Component;

template <typename Handler> void guardEvent(Component* sender, Handler&& handler) {
    try {
        handler();
    } catch (...) {
        Application::instance().handleException(sender, std::current_exception());
    }
}
