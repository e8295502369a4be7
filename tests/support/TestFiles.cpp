// SPDX-License-Identifier: MIT

#include "support/TestFiles.h"

#include <csignal>

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

FullDisk::FullDisk(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
}

QStringList titlesOf(const PlayListModel &model)
{
    QStringList titles;
    for (int row = 0; row < model.count(); ++row)
        titles.append(model.title(row));
    return titles;
}

QList<PlayListModel::Entry> entriesOf(const QStringList &paths)
{
    QList<PlayListModel::Entry> entries;
    for (const QString &path : paths)
        entries.append({path, false});
    return entries;
}
