// For instruction counts: leave the event loop once the window has painted its first frame.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget *window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // exit(), not quit(): quit() would close the window, and closing saves the history.
            QTimer::singleShot(0, m_window, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_done = false;
};
