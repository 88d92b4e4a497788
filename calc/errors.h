// The program's error types and the one path by which an error reaches the user.
#pragma once

#include <QString>

#include <exception>
#include <functional>

// Base of every error an event routine may raise; the message is what the user reads.
class AppError : public std::exception {
public:
    explicit AppError(QString message);
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is not a number: "'<text>' is not a valid floating point value".
class EConvertError : public AppError {
public:
    explicit EConvertError(const QString &fieldText);
};

// A value beyond the range of a double when it is stored.
class EOverflow : public AppError {
public:
    EOverflow();
};

// A failed file operation; the message follows the operating system's error code.
class EInOutError : public AppError {
public:
    explicit EInOutError(int errorCode);
    int errorCode() const noexcept { return m_errorCode; }
    static QString messageFor(int errorCode);

private:
    int m_errorCode;
};

// The text the error box shows: a full stop is added when the message's last character
// sorts after the full stop.
QString withFullStop(const QString &message);

// Where reported errors go. The application installs the message box; tests install a recorder.
using ErrorSink = std::function<void(const QString &boxText)>;
ErrorSink setErrorSink(ErrorSink sink);
void reportError(const QString &message);

// Reports the exception being handled; call only from inside a catch block.
void reportCurrentException();

// Runs an event routine; whatever escapes it is reported and the program goes on.
// Returns false when the routine ended with an error.
bool runGuarded(const std::function<void()> &routine);

// Wraps a routine for connect(): the routine itself catches nothing.
template <typename F> auto guarded(F routine)
{
    return [routine]() { runGuarded(routine); };
}
