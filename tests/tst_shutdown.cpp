// The real program as a process, ended from outside: a termination signal closes it as the
// close box does, so data/history.txt ends with the closing line.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {
// True once the process has its own handler for the signal (its SigCgt mask has the bit).
bool catches(qint64 pid, int signal)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}
// Starts the program in the folder and waits until it handles the signal itself.
bool startProgram(QProcess &program, const QString &folder, int signal)
{
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(KLADOMER_PROGRAM), {});
    if (!program.waitForStarted())
        return false;
    QDeadlineTimer deadline(20000);
    while (!catches(program.processId(), signal) && !deadline.hasExpired())
        QTest::qWait(20);
    return catches(program.processId(), signal);
}
} // namespace

class TestShutdown : public QObject {
    Q_OBJECT
private slots:
    void signalClosesAndSaves_data();
    void signalClosesAndSaves();
    void signalWithoutDataFolderKeepsRunning();
    void lostDisplaySaves();
};

void TestShutdown::signalClosesAndSaves_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestShutdown::signalClosesAndSaves()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"data"_s));
    QProcess program;
    QVERIFY(startProgram(program, dir.path(), signal));
    ::kill(static_cast<pid_t>(program.processId()), signal);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QFile history(dir.filePath(u"data/history.txt"_s));
    QVERIFY(history.open(QIODevice::ReadOnly));
    const QByteArray bytes = history.readAll();
    // Windows-1251: "Ведеться" opens the file, "Текущая история расчетов сохранена." ends it.
    QVERIFY(bytes.startsWith("\xc2\xe5\xe4\xe5\xf2\xfc\xf1\xff"));
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 4); // header, closing line, the empty line, nothing
    QVERIFY(lines[1].startsWith("\xd2\xe5\xea\xf3\xf9\xe0\xff \xe8\xf1\xf2\xee\xf0\xe8\xff"));
    QVERIFY(bytes.endsWith("\r\n\r\n"));
}

void TestShutdown::signalWithoutDataFolderKeepsRunning()
{
    // The save fails, so the window stays open: the signal does not end the program. (The error
    // box waits for its OK; the test ends the program itself.)
    QTemporaryDir dir;
    QProcess program;
    QVERIFY(startProgram(program, dir.path(), SIGTERM));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(!program.waitForFinished(1500));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
}

void TestShutdown::lostDisplaySaves()
{
    // The X server goes away under the program: it exits without a close, and still writes the
    // history with its closing line.
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"data"_s));
    QProcess server;
    server.start(xvfb, { u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"800x600x24"_s });
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 20000);
    const QString display = u":"_s + QString::fromLatin1(server.readLine().trimmed());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    env.insert(u"DISPLAY"_s, display);
    program.setProcessEnvironment(env);
    QVERIFY(startProgram(program, dir.path(), SIGTERM));
    QTest::qWait(500); // the window reaches the server
    server.terminate();
    QVERIFY(server.waitForFinished(20000));
    QVERIFY(program.waitForFinished(20000));
    QFile history(dir.filePath(u"data/history.txt"_s));
    QVERIFY(history.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = history.readAll().split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[1].startsWith("\xd2\xe5\xea\xf3\xf9\xe0\xff \xe8\xf1\xf2\xee\xf0\xe8\xff"));
}

QTEST_GUILESS_MAIN(TestShutdown)
#include "tst_shutdown.moc"
