// Writing the calculation log to its files in the folder "data".
#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251 bytes of the text, no byte-order mark; a character without a Windows-1251 code
// becomes "?".
QByteArray toWindows1251(const QString &text);

// The file's bytes: the log's text (each line followed by CR LF) and one more CR LF.
QByteArray logFileBytes(const QString &logText);

// Writes the bytes to the path (relative to the working directory) as a whole: a complete
// temporary file beside the target is flushed to disk and then takes the target's place, so a
// failed save leaves any earlier file as it was. Throws EInOutError with the system's error code.
void writeLogFile(const QString &path, const QByteArray &bytes);

QString datedLogPath(const QString &currentDateText); // "data/" + date + ".txt"
QString closingLogPath(); // "data/history.txt"
