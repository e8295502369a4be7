// SPDX-License-Identifier: MIT

#include "files/Finder.h"

#include <QCoreApplication>

#include "core/AppContext.h"
#include "playlist/OpenLists.h"

using namespace Qt::StringLiterals;

namespace Finder {

QString patternFor(FinderMode mode, MusicFiles files)
{
    return mode == FinderMode::Lists ? u"*.M3U;*.M3U8"_s : MusicPatterns::forChoice(files);
}

Setup setupFor(const AppContext &context, FinderMode mode)
{
    const SettingsRecord &settings = context.settings;
    const MusicFiles files = context.options.musicFiles();
    if (mode == FinderMode::Mp3Files) {
        return {QCoreApplication::translate("Finder", "Add MP3"),
                u"*.MP3"_s,
                patternFor(mode, files),
                {settings.mp3Folder, settings.isWindows1252(&SettingsRecord::mp3Folder)},
                files};
    }
    return {QCoreApplication::translate("Finder", "Open M3U"),
            u"*.M3U"_s,
            patternFor(mode, files),
            {settings.m3uFolder, settings.isWindows1252(&SettingsRecord::m3uFolder)},
            files};
}

QString folderFault(const EightBitText::Path &folder)
{
    if (folder.text.trimmed().isEmpty())
        return QCoreApplication::translate("Finder", "No folder is set.");
    switch (EightBitText::folderState(folder)) {
    case EightBitText::FolderState::Missing:
        return QCoreApplication::translate("Finder", "The folder %1 does not exist.").arg(folder.text);
    case EightBitText::FolderState::NotAFolder:
        return QCoreApplication::translate("Finder", "%1 is not a folder.").arg(folder.text);
    case EightBitText::FolderState::Unreadable:
        return QCoreApplication::translate("Finder", "The folder %1 cannot be read.").arg(folder.text);
    case EightBitText::FolderState::Readable:
        break;
    }
    return {};
}

PathBatch folderFiles(const EightBitText::Path &folder, const QString &pattern)
{
    PathBatch paths;
    for (const EightBitText::Path &name : FolderWalk::matchingFiles(folder, pattern, FolderWalk::NameBytes::Any))
        paths.append(folder, name);
    paths.squeeze();
    return paths;
}

void openSelectedLists(AppContext &context, const QStringList &lists)
{
    for (const QString &list : lists)
        OpenLists::openListFile(context, list);
}

} // namespace Finder
