// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayList>

/**
 * The program's arguments after its own name, once Qt has taken its own, as the bytes the system passed them,
 * so that a file name that is not UTF-8 survives.
 */
QByteArrayList programArguments(int argc, char *argv[]);
