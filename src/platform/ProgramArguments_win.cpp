// SPDX-License-Identifier: MIT

#include "platform/ProgramArguments.h"

#include <QCoreApplication>

// Windows names its files in UTF-16, which Qt hands over whole; argv is in the 8-bit code page.
QByteArrayList programArguments(int argc, char *argv[])
{
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    QByteArrayList arguments;
    for (const QString &argument : QCoreApplication::arguments().mid(1))
        arguments.append(argument.toUtf8());
    return arguments;
}
