// The message of an error, kept as text and as UTF-8 for what().
#include "base/app_error.h"

AppError::AppError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}
