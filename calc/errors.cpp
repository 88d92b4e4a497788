// The program's error types, the full-stop rule of the error box and the error sink.
#include "calc/errors.h"

#include <cerrno>

using namespace Qt::StringLiterals;

AppError::AppError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

EConvertError::EConvertError(const QString &fieldText)
    : AppError(u"'"_s + fieldText + u"' is not a valid floating point value"_s)
{
}

EOverflow::EOverflow()
    : AppError(u"Floating point overflow"_s)
{
}

EInOutError::EInOutError(int errorCode)
    : AppError(messageFor(errorCode))
    , m_errorCode(errorCode)
{
}

QString EInOutError::messageFor(int errorCode)
{
    switch (errorCode) {
    case ENOENT:
    case ENOTDIR:
        return u"Invalid filename"_s;
    case EACCES:
    case EPERM:
    case EROFS:
        return u"File access denied"_s;
    case EMFILE:
    case ENFILE:
        return u"Too many open files"_s;
    default:
        return u"I/O error %1"_s.arg(errorCode);
    }
}

QString withFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

namespace {
ErrorSink &currentSink()
{
    static ErrorSink sink;
    return sink;
}
} // namespace

ErrorSink setErrorSink(ErrorSink sink)
{
    ErrorSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void reportError(const QString &message)
{
    const QString text = withFullStop(message);
    if (currentSink())
        currentSink()(text);
    else
        qWarning("%s", qPrintable(text));
}

void reportCurrentException()
{
    try {
        throw;
    } catch (const AppError &e) {
        reportError(e.message());
    } catch (const std::exception &e) {
        reportError(QString::fromUtf8(e.what()));
    }
}

bool runGuarded(const std::function<void()> &routine)
{
    try {
        routine();
        return true;
    } catch (const std::exception &) {
        reportCurrentException();
    }
    return false;
}
