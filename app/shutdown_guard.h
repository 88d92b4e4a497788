// Ends the program the way closing the window ends it when the end comes from outside: a
// termination signal (SIGTERM from kill or a service stop, SIGINT from Ctrl+C in a terminal,
// SIGHUP when the terminal goes) becomes a close request, and an exit without a close (the X
// server gone) still writes the history.
#pragma once

#include <QObject>

class QSocketNotifier;
class TForm1;

class ShutdownGuard : public QObject {
    Q_OBJECT
public:
    // One guard per program, for the window's lifetime.
    explicit ShutdownGuard(TForm1 &window);
    ~ShutdownGuard() override;

private:
    void onSignal();

    TForm1 &m_window;
    QSocketNotifier *m_notifier = nullptr;
};
