// A failed file operation; the message follows the operating system's error code.
#pragma once

#include "base/app_error.h"

class EInOutError : public AppError {
public:
    explicit EInOutError(int errorCode);
    int errorCode() const noexcept { return m_errorCode; }
    static QString messageFor(int errorCode);

private:
    int m_errorCode;
};
