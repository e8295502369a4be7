// SPDX-License-Identifier: MIT

#include "platform/PlayFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "platform/SafeWrite.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kAttempts = 100;

// Every play file of this run is in folder and named start, six letters or digits, end.
struct Names
{
    QString folder;
    QString start;
    QString end;
};

Names namesFor(const QString &namedAfter)
{
    const QFileInfo info(namedAfter);
    return {info.path(), info.completeBaseName() + u'-' + QString::number(QCoreApplication::applicationPid()) + u'-',
            info.suffix().isEmpty() ? QString() : u'.' + info.suffix()};
}

QString uniquePart()
{
    static const QString kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"_s;
    QString part;
    for (int i = 0; i < 6; ++i)
        part += kLetters.at(QRandomGenerator::global()->bounded(int(kLetters.size())));
    return part;
}

// This run's play files, the newest first.
QFileInfoList ownFiles(const Names &names)
{
    QFileInfoList own;
    for (const QFileInfo &info : QDir(names.folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Time)) {
        const QString name = info.fileName();
        if (name.size() == names.start.size() + 6 + names.end.size() && name.startsWith(names.start) &&
            name.endsWith(names.end))
            own.append(info);
    }
    return own;
}

void removeOld(const Names &names)
{
    const QFileInfoList own = ownFiles(names);
    const QDateTime readBy = QDateTime::currentDateTime().addSecs(-PlayFiles::kGraceSeconds);
    for (qsizetype i = PlayFiles::kKept; i < own.size(); ++i) {
        if (own.at(i).lastModified() < readBy)
            QFile::remove(own.at(i).filePath());
    }
}

} // namespace

namespace PlayFiles {

Writer::Writer(const QString &namedAfter)
    : m_namedAfter(namedAfter)
{
    const Names names = namesFor(namedAfter);
    QDir().mkpath(names.folder);
    for (int attempt = 1;; ++attempt) {
        m_file.setFileName(names.folder + u'/' + names.start + uniquePart() + names.end);
        // Unbuffered, so a short write (a full disk) is seen here and not passed over by a buffered flush.
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return;
        const QFileInfo taken(m_file.fileName());
        if (attempt == kAttempts || (!taken.exists() && !taken.isSymLink())) {
            m_fault = m_file.errorString();
            return;
        }
    }
}

Writer::~Writer()
{
    if (!m_finished && m_file.isOpen())
        m_file.remove();
}

bool Writer::write(QByteArrayView bytes)
{
    if (!m_fault.isEmpty())
        return false;
    if (writeWhole(m_file, bytes))
        return true;
    m_fault = m_file.errorString();
    return false;
}

Made Writer::finish()
{
    if (!m_fault.isEmpty())
        return {{}, m_fault};
    m_file.close();
    m_finished = true;
    removeOld(namesFor(m_namedAfter));
    return {m_file.fileName(), {}};
}

Made make(const QString &namedAfter, const QByteArray &bytes)
{
    Writer writer(namedAfter);
    writer.write(bytes);
    return writer.finish();
}

bool isPlayFile(const QString &namedAfter, const QString &path)
{
    const QFileInfo pattern(namedAfter);
    const QFileInfo file(path);
    const QString folder = QFileInfo(pattern.path()).canonicalFilePath();
    return !folder.isEmpty() && QFileInfo(file.path()).canonicalFilePath() == folder &&
           file.fileName().startsWith(pattern.completeBaseName() + u'-') && file.fileName().endsWith(pattern.suffix());
}

void removeAll(const QString &namedAfter)
{
    for (const QFileInfo &info : ownFiles(namesFor(namedAfter)))
        QFile::remove(info.filePath());
}

} // namespace PlayFiles
