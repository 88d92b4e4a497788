// Kladomer 2: a calculator of construction-material consumption. Takes no command line.
#include "app/application.h"
#include "app/main_window.h"

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TForm1 window;
    window.show();
    return app.exec();
}
