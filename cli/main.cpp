#include "EngineDemo.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

namespace {

int usage(QTextStream& err)
{
    err << "Uso: darvelo demo\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        return usage(err);
    }
    try {
        if (args[1] == QLatin1String("demo")) {
            return runEngineDemo(out);
        }
        return usage(err);
    } catch (const spreadsheet::SpreadsheetError& e) {
        err << e.message() << '\n';
    } catch (const std::exception& e) {
        err << QString::fromLocal8Bit(e.what()) << '\n';
    }
    return 1;
}
