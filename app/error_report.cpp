// The full-stop rule of the error box, the error sink and the guard of the event routines.
#include "app/error_report.h"

using namespace Qt::StringLiterals;

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
