// The one path by which an error reaches the user: every event routine runs through a guard
// that catches what escapes it and hands the message, with its full stop, to the error sink.
#pragma once

#include "base/app_error.h"

#include <QString>

#include <functional>

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
