// Windows-1251 encoding through iconv and the atomic write of a log file.
#include "log/log_file.h"

#include "log/in_out_error.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

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

QString safeFileName(const QString &text)
{
    QString name = text;
    for (QChar &c : name) {
        if (c < u' ' || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'-';
    }
    return name;
}

QString datedLogPath(const QString &currentDateText)
{
    return u"data/"_s + safeFileName(currentDateText) + u".txt"_s;
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
        m_error = m_fd < 0 ? errno : 0;
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_error == 0 && !m_kept) // only a file this object made
            ::unlink(m_path.constData());
    }
    int fd() const { return m_fd; }
    int openError() const { return m_error; } // the error code of a failed creation
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
    int m_error = 0;
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

// The folder part of a path, "." for a bare name.
QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// Removes what saves of earlier runs left behind when they were killed mid-write: our own
// temporary files of this target whose process no longer exists.
void removeStaleTemporaries(const QByteArray &target)
{
    const QByteArray folder = folderOf(target);
    const QByteArray prefix = target.mid(target.lastIndexOf('/') + 1) + ".tmp-";
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        bool ok = false;
        const pid_t pid = name.mid(prefix.size()).split('-').front().toInt(&ok);
        if (ok && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), name.constData(), 0);
    }
    ::closedir(dir);
}

// Flushes the folder's entry list, so that a rename survives a power cut. A file system that
// cannot sync a folder still holds the file; that is not a failed save.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The fallback where no temporary file can be made beside the target (a read-only folder)
// but the target itself may be written: it is truncated and rewritten in place.
void rewriteInPlace(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        throw EInOutError(errno);
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0)
        error = errno; // the close's failure is the one reported
    if (error != 0)
        throw EInOutError(error);
}

} // namespace

void writeLogFile(const QString &path, const QByteArray &bytes)
{
    writeFileAtomically(path, bytes);
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);

    // An existing file that may not be written is refused, as the rename would not ask.
    struct stat existing { };
    const bool exists = ::stat(target.constData(), &existing) == 0;
    const bool existingFile = exists && S_ISREG(existing.st_mode);
    if (existingFile && ::access(target.constData(), W_OK) != 0)
        throw EInOutError(errno);

    removeStaleTemporaries(target);
    // The name holds our process number (so later runs know whose it is) and a random part; it
    // is created exclusively, and a name that happens to exist is replaced by another.
    const QByteArray stem = target + ".tmp-" + QByteArray::number(::getpid()) + '-';
    std::unique_ptr<TemporaryFile> temp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = std::make_unique<TemporaryFile>(
            stem + QByteArray::number(QRandomGenerator::global()->generate(), 16));
        if (temp->openError() != EEXIST)
            break;
    }
    if (const int error = temp->openError()) {
        if (existingFile && (error == EACCES || error == EROFS || error == EPERM)) {
            temp.reset();
            rewriteInPlace(target, bytes);
            return;
        }
        throw EInOutError(error);
    }
    if (existingFile)
        ::fchmod(temp->fd(), existing.st_mode & 07777);

    if (const int error = writeAll(temp->fd(), bytes))
        throw EInOutError(error);
    if (::fsync(temp->fd()) != 0)
        throw EInOutError(errno);
    if (const int error = temp->close())
        throw EInOutError(error);
    if (::rename(temp->path().constData(), target.constData()) != 0)
        throw EInOutError(errno);
    temp->keep();
    syncFolder(folderOf(target));
}
