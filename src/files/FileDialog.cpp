// SPDX-License-Identifier: MIT

#include "files/FileDialog.h"

#include <algorithm>
#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "core/FolderSearch.h"
#include "core/Paths.h"
#include "core/WindowHost.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFiles.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"

using namespace Qt::StringLiterals;

namespace FileDialog {

namespace {

// The table keeps the English texts; modeFor translates them when a dialog asks.
const QString kSaveList = QString::fromUtf8(QT_TRANSLATE_NOOP("FileDialog", "Save List"));
const QString kSaveAndClose = QString::fromUtf8(QT_TRANSLATE_NOOP("FileDialog", "Save and Close List"));
const QString kOpenPlayer = QString::fromUtf8(QT_TRANSLATE_NOOP("FileDialog", "Open MP3 Player"));
const QString kSelectDefault = QString::fromUtf8(QT_TRANSLATE_NOOP("FileDialog", "Select default M3U"));
const QString kPrograms = QString::fromUtf8(QT_TRANSLATE_NOOP("FileDialog", "Programs"));

QString translated(const QString &text)
{
    return QCoreApplication::translate("FileDialog", text.toUtf8().constData());
}

// Where programs are not called "*.exe", "Winamp.exe" matches nothing: the pick starts on every program.
Mode playerPick()
{
    Mode pick{FileDialogPurpose::ChoosePlayer,
              false,
              kOpenPlayer,
              u"Winamp.exe"_s,
              u"Winamp.exe ; WINAMP.EXE "_s,
              {u"Winamp.exe ; WINAMP.EXE "_s, u"*.exe ; *.EXE"_s, u"*.*"_s}};
    if (!ProgramFiles::knownByName()) {
        pick.comboText = kPrograms;
        pick.pattern = kPrograms;
        pick.items.prepend(kPrograms);
    }
    return pick;
}

const Mode kModes[] = {
    {FileDialogPurpose::SaveList, true, kSaveList, u"*.M3U"_s, u"*.m3u ; *.M3U"_s, {u"*.m3u ; *.M3U"_s, u"*.*"_s}},
    {FileDialogPurpose::SaveAndCloseList,
     true,
     kSaveAndClose,
     u"*.M3U"_s,
     u"*.m3u ; *.M3U"_s,
     {u"*.m3u ; *.M3U"_s, u"*.*"_s}},
    {FileDialogPurpose::ChooseStartUpList, true, kSelectDefault, u"*.M3U"_s, u"*.M3U"_s, {u"*.M3U"_s, u"*.*"_s}},
    playerPick(),
};

bool existsWithContent(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

bool overwriteAgreed(AppContext &context)
{
    return context.platform.messageBoxes.show(
               {QCoreApplication::translate("FileDialog", "Overwrite"),
                QCoreApplication::translate("FileDialog", "Are you sure you want to over write this file?"),
                MessageIcon::Question, MessageButtons::YesNoCancel}) == MessageAnswer::Yes;
}

// What follows a save made from the dialog (or the dialog's other work): the list closes when it was to, and the
// frame when it was closing.
void afterSave(AppContext &context, const Request &request)
{
    if (request.purpose == FileDialogPurpose::SaveAndCloseList) {
        if (PlayList *list = OpenLists::playListAt(context, request.slot))
            list->close();
        context.lists.slotAt(request.slot).isFree = true;
    }
    if (context.frameClosing)
        context.host().closeFrame();
}

// A save that ended in the background: the list, looked up again, keeps its old name when it was not saved, and
// neither it nor the frame closes.
void finishSave(AppContext &context, const Request &request, const QString &oldPath, const QString &fault,
                bool cancelled)
{
    if (fault.isEmpty() && !cancelled) {
        afterSave(context, request);
        return;
    }
    context.frameClosing = false;
    if (PlayList *list = OpenLists::playListAt(context, request.slot))
        list->setPath(oldPath);
    if (!fault.isEmpty())
        ErrorMessages::showError(context, ErrorNumber::CannotWrite, fault);
}

} // namespace

Mode modeFor(FileDialogPurpose purpose)
{
    Mode mode = *std::find_if(std::begin(kModes), std::end(kModes),
                              [purpose](const Mode &mode) { return mode.purpose == purpose; });
    mode.caption = translated(mode.caption);
    if (mode.comboText == kPrograms)
        mode.comboText = mode.pattern = translated(kPrograms);
    for (QString &item : mode.items) {
        if (item == kPrograms)
            item = translated(kPrograms);
    }
    return mode;
}

QStringList listedFiles(const QString &folder, const QString &type)
{
    if (type != translated(kPrograms))
        return FolderWalk::matchingFiles(folder, type);
    QStringList programs = FolderWalk::matchingFiles(folder, u"*"_s);
    programs.removeIf(
        [&folder](const QString &name) { return !QFileInfo(FolderWalk::join(folder, name)).isExecutable(); });
    return programs;
}

Outcome accept(AppContext &context, const Request &request)
{
    const bool saving =
        request.purpose == FileDialogPurpose::SaveList || request.purpose == FileDialogPurpose::SaveAndCloseList;
    if (request.name.isEmpty()) {
        context.platform.messageBoxes.show({modeFor(request.purpose).caption,
                                            QCoreApplication::translate("FileDialog", "Please type a file name first."),
                                            MessageIcon::Information, MessageButtons::Ok});
        return {};
    }
    const QString path = Paths::join(request.folder, request.name);
    const bool picking =
        request.purpose == FileDialogPurpose::ChoosePlayer || request.purpose == FileDialogPurpose::ChooseStartUpList;

    if (saving) {
        QString savePath = path;
        if (existsWithContent(path)) {
            if (!overwriteAgreed(context))
                return {};
        } else if (!path.endsWith(u".m3u"_s, Qt::CaseInsensitive)) {
            savePath = path + u".m3u"_s;
            // The completed name may be a list already: it is not overwritten unasked.
            if (existsWithContent(savePath) && !overwriteAgreed(context))
                return {};
        }
        PlayList *list = OpenLists::playListAt(context, request.slot);
        if (!list) {
            // The list was closed while the dialog was open: nothing is left to save.
            context.fileDialogOpen = false;
            return {true, {}};
        }
        // The caption names the file only once the file holds the list.
        const QString oldPath = list->path();
        list->setPath(savePath);
        // A big list is saved in the background: the dialog closes, and what was to follow the save waits for it.
        const auto ended = std::make_shared<std::optional<QString>>();
        const auto returned = std::make_shared<bool>(false);
        OpenLists::saveList(context, *list,
                            [&context, request, oldPath, ended, returned](const QString &fault, bool cancelled) {
                                if (*returned)
                                    finishSave(context, request, oldPath, fault, cancelled);
                                else
                                    *ended = fault; // a save made at once is never cancelled
                            });
        *returned = true;
        if (!ended->has_value()) {
            context.fileDialogOpen = false;
            return {true, {}};
        }
        if (!ended->value().isEmpty()) {
            list->setPath(oldPath);
            ErrorMessages::showError(context, ErrorNumber::CannotWrite, ended->value());
            return {};
        }
    }

    context.fileDialogOpen = false;
    afterSave(context, request);
    return {true, picking ? path : QString()};
}

void cancel(AppContext &context)
{
    context.fileDialogOpen = false;
    context.frameClosing = false;
}

} // namespace FileDialog
