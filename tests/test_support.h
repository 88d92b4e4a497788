// Helpers shared by the tests: a recording error sink and typing into input fields.
#pragma once

#include "app/error_report.h"
#include "log/calculation_log.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QTest>

// Records every reported error instead of showing a modal box; restores the previous sink.
class ErrorRecorder {
public:
    ErrorRecorder()
        : m_previous(setErrorSink([this](const QString &text) { messages << text; }))
    {
    }
    ~ErrorRecorder() { setErrorSink(std::move(m_previous)); }
    ErrorRecorder(const ErrorRecorder &) = delete;
    ErrorRecorder &operator=(const ErrorRecorder &) = delete;

    QStringList messages;

private:
    ErrorSink m_previous;
};

// Clicks into the field (which empties a click-to-empty field) and types the text.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else // QTest types ASCII only; other characters arrive as a key event with their text
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), {});
    }
}

// Clicks a radio button on its indicator (a click right of its caption hits nothing).
inline void clickRadio(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// What result labels show: a label's text, or "<hidden>" for a label not on screen.
inline QStringList shownTexts(std::initializer_list<QLabel *> labels)
{
    QStringList texts;
    for (QLabel *l : labels)
        texts << (l->isVisible() ? l->text() : QStringLiteral("<hidden>"));
    return texts;
}

inline QString invalidNumber(const QString &text)
{
    return QStringLiteral("'") + text + QStringLiteral("' is not a valid floating point value.");
}

// A calculator page on its own with a real log and a recording error sink, under Russian
// settings. A test class derives from it and calls startPage() in init(), stopPage() in cleanup().
template <typename Page> class PageFixture {
protected:
    template <typename... Extra> void startPage(Extra &&...extra)
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        m_log = std::make_unique<CalculationLog>();
        m_errors = std::make_unique<ErrorRecorder>();
        m_page = std::make_unique<Page>(*m_log, std::forward<Extra>(extra)...);
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    }

    void stopPage()
    {
        m_page.reset();
        m_errors.reset();
        m_log.reset();
        QLocale::setDefault(QLocale::c());
    }

    std::unique_ptr<CalculationLog> m_log;
    std::unique_ptr<ErrorRecorder> m_errors;
    std::unique_ptr<Page> m_page;
};
