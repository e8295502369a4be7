#include "files/Finder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/AppContext.h"
#include "files/FolderSearch.h"
#include "playlist/PlayListCommands.h"

using namespace Qt::StringLiterals;

namespace Finder {

Setup setupFor(const AppContext &context, int mode)
{
    if (mode == 1)
        return {u"Add MP3"_s, QString::fromLatin1(kMp3Pattern), context.Settings.Mp3Path};
    return {u"Open M3U"_s, QString::fromLatin1(kListPattern), context.Settings.M3UPath};
}

QString folderFault(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return QCoreApplication::translate("Finder", "No folder is set.");
    const QFileInfo info(folder);
    if (!info.exists())
        return QCoreApplication::translate("Finder", "The folder %1 does not exist.").arg(folder);
    if (!info.isDir())
        return QCoreApplication::translate("Finder", "%1 is not a folder.").arg(folder);
    if (!info.isReadable() || !QDir(folder).isReadable())
        return QCoreApplication::translate("Finder", "The folder %1 cannot be read.").arg(folder);
    return {};
}

QStringList folderFiles(const QString &folder, const QString &pattern)
{
    QStringList paths;
    for (const QString &name : FolderWalk::matchingFiles(folder, pattern))
        paths.append(FolderWalk::join(folder, name));
    return paths;
}

void OpenSelectedLists(AppContext &context, const QStringList &lists)
{
    for (const QString &list : lists)
        PlayListCommands::LoadPlayList(context, list);
}

} // namespace Finder
