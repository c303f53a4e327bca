// Program entry: the application object, its title, the main window and the
// message loop. The exit code is 0 whatever happens.
#include "ui/UnitMainForm.h"
#include "ui/texts.h"

#include "widgets/application.h"

#include <memory>
#include <stdexcept>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application& application = Application::instance();
    std::unique_ptr<TfrmMain> mainForm;
    try {
        application.Initialize();
        application.setTitle(texts::applicationTitle);
        mainForm = std::make_unique<TfrmMain>();
        application.Run();
    } catch (const std::exception& error) {
        application.showException(error);
    } catch (...) {
        application.showException(std::runtime_error(""));
    }
    return 0;
}
