// The statement's Excel writer and print preview live in a module of their own
// (kladomer_export.so), loaded the first time one of them is used: libxlsxwriter (with its zip
// and crypto libraries) and Qt Print Support then cost the start-up nothing.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;
class Statement;

// What the module offers. Errors come back as texts: no exception crosses the module's edge.
struct StatementExports {
    // The workbook's bytes, or an empty array with `error` set.
    QByteArray (*xlsx)(const Statement &statement, const QString &date, QString *error);
    // The print preview dialog over the statement, modal to `parent`.
    void (*preview)(QWidget *parent, const Statement &statement, const QString &date);
};

// The module's entry point, looked up by name.
extern "C" const StatementExports *kladomerStatementExports();

// Loads the module once (beside the program, in the build tree or where it is installed);
// throws AppError when it cannot be loaded.
const StatementExports &statementExports();
