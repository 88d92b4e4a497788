// The application: its title, the error box, and a last safety net for escaped errors.
#pragma once

#include <QApplication>

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    static QString title(); // "Kladomer": task-bar text and caption of every error box

    // Every event routine reports its own errors through runGuarded(); this catches anything
    // that escapes an event handler all the same, so no exception crosses the event loop.
    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows the error box: caption "Kladomer", error icon, one OK button.
void showErrorBox(const QString &text);
