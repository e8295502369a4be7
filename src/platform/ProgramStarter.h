// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

/** The outcome of starting a program: empty error text means it started. */
struct StartResult
{
    QString error;
    /** The started program's process, where the system tells it; 0 otherwise. */
    qint64 pid = 0;

    bool ok() const { return error.isEmpty(); }
};

/** Starts other programs detached, without a shell, so blanks and shell characters in paths are harmless. */
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;

    virtual StartResult start(const QString &program, const QStringList &arguments) = 0;
};
