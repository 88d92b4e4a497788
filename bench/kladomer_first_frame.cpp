// Kladomer's real start-up, leaving after the window's first frame: for instruction counts.
// The program itself takes no command line; this benchmark-only entry point stands beside it.
#include "app/application.h"
#include "app/main_window.h"
#include "first_frame.h"

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TForm1 window;
    QuitAfterFirstPaint quit(&window);
    window.show();
    const int rc = app.exec();
    window.hide();
    return rc;
}
