// The error every message a user reads derives from: the number rules, the files and the
// statement raise it, the event routines' guard reports it.
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

class AppError : public std::exception {
public:
    explicit AppError(QString message);
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
