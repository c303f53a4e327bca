#pragma once
// The application object: a hidden top-level window that carries the
// application title (the taskbar text, distinct from the main window's
// caption) and owns the main window, the message loop, termination, and the
// application-wide exception event.
#include "widgets/handles.h"

#include <exception>
#include <functional>
#include <string>

class Component;
class Form;

class Application {
  public:
    using ExceptionHandler = std::function<void(Component* sender, const std::exception& error)>;

    static Application& instance();

    void Initialize();
    void setTitle(const std::string& title);
    const std::string& title() const { return title_; }
    HWND handle() const { return window_; }
    HINSTANCE module() const;

    // The first form registered becomes the main form; closing it ends the run.
    void registerForm(Form& form);
    Form* mainForm() const { return mainForm_; }

    // Shows the main form and processes messages until Terminate.
    void Run();
    void Terminate();
    bool terminated() const { return terminated_; }

    // One round of the nested loops (transitions, animations): dispatches
    // every waiting message. A quit message ends the run, as in Run.
    void processMessages();

    // Routes the exception being handled to the exception event, after
    // releasing any mouse capture. Without a handler the error box shows it.
    void handleException(Component* sender, std::exception_ptr error);
    void setExceptionHandler(ExceptionHandler handler) { onException_ = std::move(handler); }

    // The error box of the program entry: the message, the title as caption,
    // OK and the stop icon.
    void showException(const std::exception& error) const;

  private:
    Application() = default;
    void dispatchOne(const MSG& message);

    HWND window_ = nullptr;
    std::string title_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    ExceptionHandler onException_;
};

// The text of the error box: a full stop is added when the message does not
// already end in one (or in a character that sorts before it).
std::string errorBoxText(const std::string& message);
