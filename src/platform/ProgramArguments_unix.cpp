// SPDX-License-Identifier: MIT

#include "platform/ProgramArguments.h"

// Names are bytes here, and the arguments are the names' own.
QByteArrayList programArguments(int argc, char *argv[])
{
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return arguments;
}
