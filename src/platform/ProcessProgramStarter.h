// SPDX-License-Identifier: MIT

#pragma once

#include "platform/ProgramStarter.h"

/** Starts programs with QProcess::startDetached; checks the program first so the error says what is wrong. */
class ProcessProgramStarter : public ProgramStarter
{
public:
    StartResult start(const QString &program, const QStringList &arguments) override;
};
