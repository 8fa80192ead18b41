// pixmaro-batch: the command-line front end of Pixmaro.
#include "batch/BatchApp.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = pixmaro::RunBatch(args, QDir::currentPath(), out, err);
    out.flush();
    err.flush();
    return status;
}
