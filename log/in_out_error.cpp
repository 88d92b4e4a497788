// The messages of failed file operations, by error code.
#include "log/in_out_error.h"

#include <cerrno>

using namespace Qt::StringLiterals;

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
