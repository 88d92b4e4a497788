// Kladomer 2: a calculator of construction-material consumption. Takes no command line.
#include "app/application.h"
#include "app/main_window.h"
#include "app/shutdown_guard.h"

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TForm1 window;
    ShutdownGuard guard(window);
    window.show();
    return app.exec();
}
