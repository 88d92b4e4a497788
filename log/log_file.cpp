// Windows-1251 encoding through iconv and the atomic write of a log file.
#include "log/log_file.h"

#include "calc/errors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

using namespace Qt::StringLiterals;

QByteArray toWindows1251(const QString &text)
{
    const QList<uint> ucs4 = text.toUcs4();
    QByteArray out;
    out.reserve(ucs4.size());
    iconv_t cd = iconv_open("CP1251", "UTF-32LE");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw EInOutError(errno);
    QByteArray in(reinterpret_cast<const char *>(ucs4.constData()), ucs4.size() * 4);
    char *inPtr = in.data();
    size_t inLeft = static_cast<size_t>(in.size());
    char chunk[4096];
    while (inLeft > 0) {
        char *outPtr = chunk;
        size_t outLeft = sizeof chunk;
        const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(chunk, static_cast<qsizetype>(outPtr - chunk));
        if (rc == static_cast<size_t>(-1)) {
            if (errno == EILSEQ || errno == EINVAL) {
                // One character with no Windows-1251 code: write "?" and go on.
                out.append('?');
                inPtr += 4;
                inLeft = inLeft >= 4 ? inLeft - 4 : 0;
            } else if (errno != E2BIG) {
                iconv_close(cd);
                throw EInOutError(errno);
            }
        }
    }
    iconv_close(cd);
    return out;
}

QByteArray logFileBytes(const QString &logText)
{
    return toWindows1251(logText + u"\r\n"_s);
}

QString datedLogPath(const QString &currentDateText)
{
    return u"data/"_s + currentDateText + u".txt"_s;
}

QString closingLogPath()
{
    return u"data/history.txt"_s;
}

namespace {

// Closes the descriptor and removes the temporary file unless the save went through.
class TemporaryFile {
public:
    explicit TemporaryFile(QByteArray path)
        : m_path(std::move(path))
    {
        m_fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept)
            ::unlink(m_path.constData());
    }
    int fd() const { return m_fd; }
    // Closes the file; returns the error code of a failed close, 0 on success.
    int close()
    {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }
    void keep() { m_kept = true; }
    const QByteArray &path() const { return m_path; }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_kept = false;
};

int writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= n;
    }
    return 0;
}

} // namespace

void writeLogFile(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);

    // An existing file that may not be written is refused, as the rename would not ask.
    struct stat existing { };
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISREG(existing.st_mode) && ::access(target.constData(), W_OK) != 0)
        throw EInOutError(errno);

    static std::atomic<unsigned> counter { 0 };
    TemporaryFile temp(
        target + ".tmp-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(counter++));
    if (temp.fd() < 0)
        throw EInOutError(errno);
    if (exists && S_ISREG(existing.st_mode))
        ::fchmod(temp.fd(), existing.st_mode & 07777);

    if (const int error = writeAll(temp.fd(), bytes))
        throw EInOutError(error);
    if (::fsync(temp.fd()) != 0)
        throw EInOutError(errno);
    if (const int error = temp.close())
        throw EInOutError(error);
    if (::rename(temp.path().constData(), target.constData()) != 0)
        throw EInOutError(errno);
    temp.keep();
}
