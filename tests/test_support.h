// Helpers shared by the tests: a recording error sink and typing into input fields.
#pragma once

#include "calc/errors.h"

#include <QAbstractButton>
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

inline QString invalidNumber(const QString &text)
{
    return QStringLiteral("'") + text + QStringLiteral("' is not a valid floating point value.");
}
