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
// failed save leaves any earlier file as it was. Where no file can be made in the folder but
// the target may be written, the target is rewritten in place. Leftover temporary files of
// killed earlier runs are removed. Throws EInOutError with the system's error code.
void writeLogFile(const QString &path, const QByteArray &bytes);
// The same atomic write for any file the program saves.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// The text with every character that cannot stand in a file name (on this system or on
// Windows) replaced by "-".
QString safeFileName(const QString &text);

// "data/" + date + ".txt"; a character that cannot stand in a file name (a "/" of a short date
// format, say) becomes "-".
QString datedLogPath(const QString &currentDateText);
QString closingLogPath(); // "data/history.txt"
