// SPDX-License-Identifier: MIT

#include "platform/ProcessProgramStarter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

StartResult ProcessProgramStarter::start(const QString &program, const QStringList &arguments)
{
    if (program.trimmed().isEmpty())
        return {QCoreApplication::translate("ProgramStarter", "No program was given.")};

    QString executable = program;
    const bool bareName = !program.contains(u'/') && !program.contains(QDir::separator());
    if (bareName) {
        executable = QStandardPaths::findExecutable(program);
        if (executable.isEmpty())
            return {QCoreApplication::translate("ProgramStarter", "%1 was not found.").arg(program)};
    } else {
        const QFileInfo info(program);
        if (!info.exists())
            return {QCoreApplication::translate("ProgramStarter", "%1 does not exist.").arg(program)};
        if (info.isDir())
            return {QCoreApplication::translate("ProgramStarter", "%1 is a folder, not a program.").arg(program)};
        if (!info.isExecutable())
            return {
                QCoreApplication::translate("ProgramStarter", "%1 is not a program that can be started.").arg(program)};
    }

    QProcess process;
    process.setProgram(executable);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return {process.errorString()};
    return {QString(), pid};
}
