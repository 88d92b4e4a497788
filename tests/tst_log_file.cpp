// The calculation log's text and its files: bytes, encoding, names and failures.
#include "calc/errors.h"
#include "log/calculation_log.h"
#include "log/log_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
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
    QTest::newRow("date with slashes")
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

    // A file-size limit makes the write fail half-way, as a full disk would, even for root.
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const int code = errorOf([] { writeLogFile(closingLogPath(), QByteArray(10000, 'y')); });
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(code, EFBIG);
    QCOMPARE(EInOutError(code).message(), u"I/O error %1"_s.arg(EFBIG));
    QCOMPARE(readFile(u"data/history.txt"_s), earlier);
    QCOMPARE(
        QDir(u"data"_s).entryList(QDir::Files | QDir::Hidden), QStringList { u"history.txt"_s });
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_log_file.moc"
