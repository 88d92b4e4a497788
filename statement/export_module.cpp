// Finding and loading the export module.
#include "statement/export_module.h"

#include "base/app_error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

using namespace Qt::StringLiterals;

const StatementExports &statementExports()
{
    static const StatementExports *exports = nullptr;
    if (exports)
        return *exports;
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList folders
        = { programDir, programDir + u'/' + QStringLiteral(KLADOMER_INSTALLED_MODULE_DIR),
              QStringLiteral(KLADOMER_BUILD_MODULE_DIR) };
    QString reasons;
    for (const QString &folder : folders) {
        const QString path = folder + u"/kladomer_export.so"_s;
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        using Entry = const StatementExports *(*)();
        if (auto entry = reinterpret_cast<Entry>(module.resolve("kladomerStatementExports"))) {
            exports = entry();
            return *exports;
        }
        reasons += u' ' + module.errorString();
    }
    throw AppError(u"Не найден модуль экспорта ведомости kladomer_export.so"_s + reasons);
}
