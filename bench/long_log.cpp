// A long log: 20 000 typical lines (ten heavy days of work; another count as the argument)
// appended to the real log area one at a time, as
// the routines append them (the event loop runs between routines, here after every 8 lines),
// then saved through the real writer. Prints the time per append, the longest append, the
// longest routine-sized block including the repaint, the save time and the memory growth.
#include "app/application.h"
#include "app/main_window.h"
#include "log/log_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
long rssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TForm1 window;
    window.show();
    app.processEvents();

    const QStringList typical = {
        QStringLiteral("Выбрано:  Кирпичная кладка 1,5 кирпича (360 мм.)"),
        QStringLiteral("Итоги произведенного расчета:"),
        QStringLiteral("Объем кирпичной кладки, м3.: 8,964"),
        QStringLiteral("Кирпич глиняный обыкновенный, шт.: 3540,78"),
        QStringLiteral("Раствор, м3: 2,107"),
        QStringLiteral("Пробки деревянные, м3: 0,008964"),
        QStringLiteral("Перемещение: Кирпичная кладка 2,0 кирпича  (480 мм.)"),
        QStringLiteral("Произведен расчет: Устройство булыжного подстилающего слоя"),
    };
    const int kLines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    const long rssBefore = rssKb();
    qint64 longestAppend = 0;
    qint64 longestBlock = 0;
    QElapsedTimer all;
    all.start();
    qint64 appendTotal = 0;
    QElapsedTimer block;
    block.start();
    for (int i = 0; i < kLines; ++i) {
        QElapsedTimer one;
        one.start();
        window.calculationLog().append(typical[i % typical.size()]);
        const qint64 ns = one.nsecsElapsed();
        appendTotal += ns;
        longestAppend = std::max(longestAppend, ns);
        if (i % 8 == 7) {
            app.processEvents();
            longestBlock = std::max(longestBlock, block.nsecsElapsed());
            block.restart();
        }
    }
    const qint64 runNs = all.nsecsElapsed();
    const long rssAfter = rssKb();

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QDir().mkdir(QStringLiteral("data"));
    QElapsedTimer save;
    save.start();
    writeLogFile(closingLogPath(), logFileBytes(window.calculationLog().text()));
    const qint64 saveNs = save.nsecsElapsed();

    std::printf("lines appended:             %d\n", kLines);
    std::printf("append, mean:               %.2f us\n", appendTotal / 1e3 / kLines);
    std::printf("append, longest:            %.3f ms\n", longestAppend / 1e6);
    std::printf("block of 8 + repaint, max:  %.3f ms\n", longestBlock / 1e6);
    std::printf("whole run with repaints:    %.3f s\n", runNs / 1e9);
    std::printf("save (%lld bytes):     %.3f s\n",
        static_cast<long long>(QFileInfo(closingLogPath()).size()), saveNs / 1e9);
    std::printf("memory growth (RSS):        %.1f MB\n", (rssAfter - rssBefore) / 1024.0);
    window.hide();
    return 0;
}
