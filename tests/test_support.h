// Helpers shared by the tests: a recording error sink and typing into input fields.
#pragma once

#include "calc/errors.h"

#include <QLineEdit>
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
    QTest::keyClicks(edit, text);
}

inline QString invalidNumber(const QString &text)
{
    return QStringLiteral("'") + text + QStringLiteral("' is not a valid floating point value.");
}
