#include "werkzeug/werkzeug.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    aus.setEncoding(QStringConverter::Utf8);
    fehler.setEncoding(QStringConverter::Utf8);
    QStringList argumente = app.arguments();
    argumente.removeFirst();
    return werkzeugAusfuehren(argumente, aus, fehler);
}
