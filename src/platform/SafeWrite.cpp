// SPDX-License-Identifier: MIT

#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/EightBitText.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kPrivateFolder = kOwnerOnly | QFileDevice::ExeOwner;

} // namespace

bool writeWhole(QIODevice &file, QByteArrayView bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.data() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access)
{
    return writeFileAtomically(
        path, [&bytes](const PieceWriter &write) { return write(bytes); }, access);
}

QString writeFileAtomically(const QString &path, const std::function<bool(const PieceWriter &write)> &fill,
                            FileAccess access)
{
    const QByteArray target = EightBitText::systemName(path);
    if (target != QFile::encodeName(path)) {
        // A file whose name is not UTF-8 (kept as Windows-1252 text) is one Qt cannot name: it is written beside
        // it under a name Qt can make, then moved onto its own.
        const QString beside = path + u".tunary-save-"_s + QString::number(QCoreApplication::applicationPid());
        if (QString fault = writeFileAtomically(beside, fill, access); !fault.isEmpty())
            return fault;
        if (!EightBitText::moveOnto(beside, target)) {
            QFile::remove(beside);
            return QCoreApplication::translate("SafeWrite", "%1 could not be replaced.").arg(path);
        }
        return {};
    }
    QSaveFile file(path);
    // Never fall back to writing the old file in place: that is exactly what could lose it.
    file.setDirectWriteFallback(false);
    // Unbuffered, so a short write (a full disk) is seen here: a buffered flush can pass one over silently
    // and the commit would then put a cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // Narrowed before a byte is written, so the file is never readable by others, not even for a moment.
    if (access == FileAccess::OwnerOnly && !file.setPermissions(kOwnerOnly)) {
        QString fault = file.errorString();
        file.cancelWriting();
        return fault;
    }
    QString fault;
    const bool filled = fill([&file, &fault](QByteArrayView piece) {
        if (writeWhole(file, piece))
            return true;
        fault = file.errorString();
        return false;
    });
    if (!filled) {
        file.cancelWriting();
        return fault.isEmpty() ? QCoreApplication::translate("SafeWrite", "Stopped.") : fault;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

bool makePrivateFolder(const QString &path)
{
    // Each missing folder is made for its owner alone from the start, those above the last one included.
    QStringList missing;
    for (QString folder = QDir::cleanPath(QDir().absoluteFilePath(path)); !QFileInfo::exists(folder);
         folder = QFileInfo(folder).absolutePath())
        missing.prepend(folder);
    for (const QString &folder : std::as_const(missing)) {
        if (!QDir().mkdir(folder, kPrivateFolder) && !QFileInfo(folder).isDir())
            return false;
    }
    return QFileInfo(path).isDir() && QFile::setPermissions(path, kPrivateFolder);
}
