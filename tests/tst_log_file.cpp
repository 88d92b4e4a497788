// The calculation log's text and its files: bytes, encoding, names and failures.
#include "log/calculation_log.h"
#include "log/in_out_error.h"
#include "log/log_file.h"

#include <QDir>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "file_size_limit.h"
#include <algorithm>

#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

int errorOf(const std::function<void()> &save)
{
    try {
        save();
    } catch (const EInOutError &e) {
        return e.errorCode();
    }
    return 0;
}
} // namespace

class TestLogFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void logTextEndsEveryLine();
    void fileBytesOfHeaderAndSaveLine();
    void unmappableCharactersBecomeQuestionMarks();
    void replacesAnExistingFile();
    void failures_data();
    void failures();
    void failedWriteKeepsTheEarlierFile();
    void datedNamesStayInTheFolder_data();
    void datedNamesStayInTheFolder();
    void staleTemporariesAreRemoved();
    void readOnlyFolderRewritesInPlace();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

void TestLogFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void TestLogFile::cleanup()
{
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

void TestLogFile::logTextEndsEveryLine()
{
    CalculationLog log;
    QStringList seen;
    log.setView([&](const QString &line) { seen << line; });
    log.append(u"Выбрано:  Полы"_s);
    QCOMPARE(log.text(), CalculationLog::headerLine() + u"\r\nВыбрано:  Полы\r\n"_s);
    QCOMPARE(seen, QStringList { u"Выбрано:  Полы"_s });
}

void TestLogFile::fileBytesOfHeaderAndSaveLine()
{
    CalculationLog log;
    log.append(u"Сохранение по запросу.История расчетов сохранена. Дата  время сохранения: "_s);
    QDir().mkdir(u"data"_s);
    writeLogFile(datedLogPath(QString()), logFileBytes(log.text()));
    QCOMPARE(datedLogPath(QString()), u"data/.txt"_s);
    // Windows-1251: "В" is C2, "е" E5 and so on; no byte-order mark, CR LF after every line
    // and one more at the end.
    const QByteArray expected
        = QByteArray("\xC2\xE5\xE4\xE5\xF2\xFC\xF1\xFF \xE8\xF1\xF2\xEE\xF0\xE8\xFF "
                     "\xF0\xE0\xF1\xF7\xE5\xF2\xEE\xE2 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB "
                     "\"\xCA\xEB\xE0\xE4\xEE\xEC\xE5\xF0 2\"\r\n"
                     "\xD1\xEE\xF5\xF0\xE0\xED\xE5\xED\xE8\xE5 \xEF\xEE \xE7\xE0\xEF\xF0\xEE\xF1"
                     "\xF3.\xC8\xF1\xF2\xEE\xF0\xE8\xFF \xF0\xE0\xF1\xF7\xE5\xF2\xEE\xE2 "
                     "\xF1\xEE\xF5\xF0\xE0\xED\xE5\xED\xE0. \xC4\xE0\xF2\xE0  \xE2\xF0\xE5\xEC"
                     "\xFF \xF1\xEE\xF5\xF0\xE0\xED\xE5\xED\xE8\xFF: \r\n\r\n");
    QCOMPARE(readFile(u"data/.txt"_s), expected);
}

void TestLogFile::unmappableCharactersBecomeQuestionMarks()
{
    QCOMPARE(toWindows1251(u"Ёё №€"_s), QByteArray("\xa8\xb8\x20\xb9\x88"));
    QCOMPARE(toWindows1251(u"a中b😀c"_s), QByteArray("a?b?c"));
    QCOMPARE(toWindows1251(QString()), QByteArray());
}

void TestLogFile::replacesAnExistingFile()
{
    QDir().mkdir(u"data"_s);
    writeFile(u"data/history.txt"_s, QByteArray(5000, 'x'));
    writeLogFile(closingLogPath(), "short\r\n\r\n");
    QCOMPARE(readFile(u"data/history.txt"_s), QByteArray("short\r\n\r\n"));
    QCOMPARE(QDir(u"data"_s).entryList(QDir::Files), QStringList { u"history.txt"_s });
}

void TestLogFile::failures_data()
{
    // Real failures that stop root too.
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("no data folder") << QString() << u"data/history.txt"_s << u"Invalid filename"_s;
    QTest::newRow("slashes in the path")
        << u"data/"_s << u"data/12/11/26.txt"_s << u"Invalid filename"_s;
    QTest::newRow("data is a plain file")
        << u"data"_s << u"data/history.txt"_s << u"Invalid filename"_s;
    QTest::newRow("a folder stands in the file's place")
        << u"data/history.txt/"_s << u"data/history.txt"_s << u"I/O error %1"_s.arg(EISDIR);
}

void TestLogFile::failures()
{
    QFETCH(QString, setup);
    QFETCH(QString, path);
    QFETCH(QString, message);
    if (setup.endsWith(u'/'))
        QVERIFY(QDir().mkpath(setup));
    else if (!setup.isEmpty())
        writeFile(setup, "plain");
    try {
        writeLogFile(path, "text\r\n\r\n");
        QFAIL("the save went through");
    } catch (const EInOutError &e) {
        QCOMPARE(e.message(), message);
    }
    if (QFileInfo(u"data"_s).isDir()) // nothing is left behind
        QCOMPARE(QDir(u"data"_s).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestLogFile::failedWriteKeepsTheEarlierFile()
{
    QDir().mkdir(u"data"_s);
    const QByteArray earlier("the last good history\r\n\r\n");
    writeFile(u"data/history.txt"_s, earlier);

    int code = 0;
    withFileSizeLimit(64,
        [&] { code = errorOf([] { writeLogFile(closingLogPath(), QByteArray(10000, 'y')); }); });

    QCOMPARE(code, EFBIG);
    QCOMPARE(EInOutError(code).message(), u"I/O error %1"_s.arg(EFBIG));
    QCOMPARE(readFile(u"data/history.txt"_s), earlier);
    QCOMPARE(
        QDir(u"data"_s).entryList(QDir::Files | QDir::Hidden), QStringList { u"history.txt"_s });
}

void TestLogFile::datedNamesStayInTheFolder_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("path");
    QTest::newRow("Russian") << u"11.12.2026"_s << u"data/11.12.2026.txt"_s;
    QTest::newRow("en_US") << u"12/11/26"_s << u"data/12-11-26.txt"_s;
    QTest::newRow("ISO") << u"2026-12-11"_s << u"data/2026-12-11.txt"_s;
    QTest::newRow("backslash and colon") << u"11\\12:26"_s << u"data/11-12-26.txt"_s;
    QTest::newRow("first second") << QString() << u"data/.txt"_s;
}

void TestLogFile::datedNamesStayInTheFolder()
{
    QFETCH(QString, date);
    QFETCH(QString, path);
    QCOMPARE(datedLogPath(date), path);
    QDir().mkdir(u"data"_s);
    writeLogFile(datedLogPath(date), "text\r\n\r\n");
    QCOMPARE(readFile(path), QByteArray("text\r\n\r\n"));
}

void TestLogFile::staleTemporariesAreRemoved()
{
    QDir().mkdir(u"data"_s);
    // A process that has ended: its number names nobody now.
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    QVERIFY(child > 0);
    waitpid(child, nullptr, 0);
    const QString dead = u"data/history.txt.tmp-%1-0"_s.arg(child);
    const QString ours = u"data/history.txt.tmp-%1-0"_s.arg(getpid()); // the old fixed name
    const QString living = u"data/history.txt.tmp-1-0"_s; // pid 1 lives
    const QString other = u"data/11.12.2026.txt.tmp-%1-0"_s.arg(child); // another file's
    for (const QString &leftover : { dead, ours, living, other })
        writeFile(leftover, QByteArray(2000, 'z'));
    writeLogFile(closingLogPath(), "text\r\n\r\n");
    QCOMPARE(readFile(u"data/history.txt"_s), QByteArray("text\r\n\r\n"));
    QVERIFY(!QFile::exists(dead));
    QVERIFY(QFile::exists(ours)); // a live process's file is never touched
    QVERIFY(QFile::exists(living));
    QVERIFY(QFile::exists(other));
}

void TestLogFile::readOnlyFolderRewritesInPlace()
{
    // data/ may not be written, data/history.txt may. Root ignores permissions, so the save
    // runs in a child that has given them up.
    QVERIFY(QFile::setPermissions(m_dir->path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
            | QFile::ExeOther));
    QDir().mkdir(u"data"_s);
    writeFile(u"data/history.txt"_s, QByteArray(5000, 'x'));
    const uid_t user = getuid() == 0 ? 65534 : getuid();
    if (getuid() == 0)
        QCOMPARE(chown("data/history.txt", user, static_cast<gid_t>(-1)), 0);
    QCOMPARE(chmod("data", 0555), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0))
            _exit(3);
        if (access("data", W_OK) == 0)
            _exit(4); // the folder would be writable: no fallback to see
        _exit(std::min(errorOf([] { writeLogFile(closingLogPath(), "new\r\n\r\n"); }), 100));
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod("data", 0755);
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(readFile(u"data/history.txt"_s), QByteArray("new\r\n\r\n"));
    QCOMPARE(
        QDir(u"data"_s).entryList(QDir::Files | QDir::Hidden), QStringList { u"history.txt"_s });
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_log_file.moc"
