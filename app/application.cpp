// The application object and the error box.
#include "app/application.h"

#include "app/error_report.h"
#include "resources/pictures.h"

#include <QIcon>
#include <QMessageBox>

using namespace Qt::StringLiterals;

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(title());
    setApplicationVersion(u"2.1"_s);
    setDesktopFileName(u"ru.kladomer2.kladomer"_s);
    setWindowIcon(loadIcon(u"program"_s));
    // Arial 8 points for every control; fontconfig gives Liberation Sans, metric-compatible.
    setFont(QFont(u"Arial"_s, 8));
    setErrorSink(showErrorBox);
}

QString Application::title()
{
    return u"Kladomer"_s;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &) {
        reportCurrentException();
    }
    return false;
}

void showErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, Application::title(), text, QMessageBox::Ok,
        QApplication::activeWindow());
    box.exec();
}
