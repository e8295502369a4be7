// SPDX-License-Identifier: MIT

#include "core/ErrorMessages.h"

#include <QDir>
#include <QStringList>

#include "core/AppContext.h"
#include "core/WindowHost.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"

using namespace Qt::StringLiterals;

namespace {

// Marks in the texts below for the values read when the message is built.
const QString kFolderMark = u"<folder>"_s;
const QString kOpenAndPlayMark = u"<open-and-play>"_s;
const QString kCommandLineMark = u"<command line>"_s;

struct ErrorText
{
    ErrorNumber number;
    bool opensSettings;
    QStringList parts; // shown with an empty line between them
};

const ErrorText kErrors[] = {
    {ErrorNumber::NoSettingsFile,
     true,
     {u"Can't find Settings file <folder>"_s,
      u"The INI (settings) file is missing, maybe this is the first time you have run the program, you will not "
      u"be able to play files with out this."_s,
      u"Please enter your settings  to correct this problem."_s}},
    {ErrorNumber::PlayerMissing,
     true,
     {u"Can't find Winamp!"_s, u"Please enter the path for Winamp in to the settings box."_s,
      u"If you do not have Winamp then this program will not be able to play Mp3, however M3U list can stil be "
      u"edited and or created"_s}},
    {ErrorNumber::PlayerNotOnDrive,
     false,
     {u"Can't find Winamp!"_s, u"Winamp was not found on this drive, please select another drive to search"_s}},
    {ErrorNumber::FolderMissing, true, {u"Can't find Directory"_s, u"Please fill in settings box."_s}},
    {ErrorNumber::NoMp3InList, false, {u"There are no MP3 in the list."_s}},
    {ErrorNumber::CannotWrite, false, {u"The disk is write protected. The Setting were not saved."_s}},
    {ErrorNumber::PathMissing, true, {u"Can't find Path"_s, u"Please Enter a valid path in the settings box"_s}},
    {ErrorNumber::OpenAndPlayListMissing,
     false,
     {u"No M3U File"_s, u"The file :<open-and-play> Can not be found."_s,
      u" Please Enter a valid M3U file in to the 'open and play' box"_s}},
    {ErrorNumber::NoFont, false, {u"No Font"_s, u"Please select a Font for TUNARY to use."_s}},
    {ErrorNumber::NotAListFile,
     false,
     {u"Bad file format"_s, u"<command line> is not a .M3U file and can not be opened"_s}},
};

// Two CR characters make the empty line between two parts of a message.
const QString kPartBreak = u"\r\r"_s;

const ErrorText *findError(ErrorNumber number)
{
    for (const ErrorText &error : kErrors) {
        if (error.number == number)
            return &error;
    }
    return nullptr;
}

} // namespace

namespace ErrorMessages {

QString errorTitle(ErrorNumber number)
{
    return u"Error Number: "_s + QString::number(int(number));
}

QString errorMessage(const AppContext &context, ErrorNumber number, const QString &text)
{
    QString message;
    if (const ErrorText *error = findError(number)) {
        message = error->parts.join(kPartBreak);
        // Each text quotes at most one value; replacing only that one keeps a quoted value from being read
        // as another mark.
        if (number == ErrorNumber::NoSettingsFile)
            message.replace(kFolderMark, QDir::toNativeSeparators(context.platform.folders.programFolder()));
        else if (number == ErrorNumber::OpenAndPlayListMissing)
            message.replace(kOpenAndPlayMark, context.settings.openAndPlayFile);
        else if (number == ErrorNumber::NotAListFile)
            message.replace(kCommandLineMark, context.commandLine);
    }
    return message + kPartBreak + u"Error rised: "_s + text;
}

bool opensSettings(ErrorNumber number)
{
    const ErrorText *error = findError(number);
    return error && error->opensSettings;
}

void showError(AppContext &context, ErrorNumber number, const QString &text)
{
    const QString title = errorTitle(number);
    const QString message = errorMessage(context, number, text);
    if (opensSettings(number))
        context.host().openSettings();
    if (number == ErrorNumber::OpenAndPlayListMissing)
        context.skipNextPlayError = true;
    context.platform.messageBoxes.show({title, message, MessageIcon::Critical, MessageButtons::Ok});
}

} // namespace ErrorMessages
