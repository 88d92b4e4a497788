// The real main window for a test: shown and active, in a temporary working folder, with a
// recording error sink, under Russian settings. A test class derives from it and calls
// startWindow() in init() (after any setup the window's construction should see) and
// stopWindow() in cleanup().
#pragma once

#include "app/main_window.h"
#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

class WindowFixture {
protected:
    void startWindow()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        m_dir = std::make_unique<QTemporaryDir>();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir->path());
        m_errors = std::make_unique<ErrorRecorder>();
        m_window = std::make_unique<TForm1>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void stopWindow()
    {
        m_window.reset();
        m_errors.reset();
        QDir::setCurrent(m_previousDir);
        m_dir.reset();
        QLocale::setDefault(QLocale::c());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
    std::unique_ptr<ErrorRecorder> m_errors;
    std::unique_ptr<TForm1> m_window;
};
