// SPDX-License-Identifier: MIT

#include "core/ErrorMessages.h"

#include <QCoreApplication>
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
    QList<const char *> parts; // in English, translated when shown; an empty line between them
};

const ErrorText kErrors[] = {
    {ErrorNumber::NoSettingsFile,
     true,
     {QT_TRANSLATE_NOOP("ErrorMessages", "Can't find Settings file <folder>"),
      QT_TRANSLATE_NOOP(
          "ErrorMessages",
          "The INI (settings) file is missing, maybe this is the first time you have run the program, you will not "
          "be able to play files with out this."),
      QT_TRANSLATE_NOOP("ErrorMessages", "Please enter your settings  to correct this problem.")}},
    {ErrorNumber::PlayerMissing,
     true,
     {QT_TRANSLATE_NOOP("ErrorMessages", "Can't find Winamp!"),
      QT_TRANSLATE_NOOP("ErrorMessages", "Please enter the path for Winamp in to the settings box."),
      QT_TRANSLATE_NOOP(
          "ErrorMessages",
          "If you do not have Winamp then this program will not be able to play Mp3, however M3U list can stil be "
          "edited and or created")}},
    {ErrorNumber::PlayerNotOnDrive,
     false,
     {QT_TRANSLATE_NOOP("ErrorMessages", "Can't find Winamp!"),
      QT_TRANSLATE_NOOP("ErrorMessages", "Winamp was not found on this drive, please select another drive to search")}},
    {ErrorNumber::FolderMissing,
     true,
     {QT_TRANSLATE_NOOP("ErrorMessages", "Can't find Directory"),
      QT_TRANSLATE_NOOP("ErrorMessages", "Please fill in settings box.")}},
    {ErrorNumber::NoMp3InList, false, {QT_TRANSLATE_NOOP("ErrorMessages", "There are no MP3 in the list.")}},
    {ErrorNumber::CannotWrite,
     false,
     {QT_TRANSLATE_NOOP("ErrorMessages", "The disk is write protected. The Setting were not saved.")}},
    {ErrorNumber::PathMissing,
     true,
     {QT_TRANSLATE_NOOP("ErrorMessages", "Can't find Path"),
      QT_TRANSLATE_NOOP("ErrorMessages", "Please Enter a valid path in the settings box")}},
    {ErrorNumber::OpenAndPlayListMissing,
     false,
     {QT_TRANSLATE_NOOP("ErrorMessages", "No M3U File"),
      QT_TRANSLATE_NOOP("ErrorMessages", "The file :<open-and-play> Can not be found."),
      QT_TRANSLATE_NOOP("ErrorMessages", " Please Enter a valid M3U file in to the 'open and play' box")}},
    {ErrorNumber::NoFont,
     false,
     {QT_TRANSLATE_NOOP("ErrorMessages", "No Font"),
      QT_TRANSLATE_NOOP("ErrorMessages", "Please select a Font for TUNARY to use.")}},
    {ErrorNumber::NotAListFile,
     false,
     {QT_TRANSLATE_NOOP("ErrorMessages", "Bad file format"),
      QT_TRANSLATE_NOOP("ErrorMessages", "<command line> is not a .M3U file and can not be opened")}},
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
    return QCoreApplication::translate("ErrorMessages", "Error Number: %1").arg(int(number));
}

QString errorMessage(const AppContext &context, ErrorNumber number, const QString &text)
{
    QString message;
    if (const ErrorText *error = findError(number)) {
        QStringList parts;
        for (const char *part : error->parts)
            parts.append(QCoreApplication::translate("ErrorMessages", part));
        message = parts.join(kPartBreak);
        // Each text quotes at most one value; replacing only that one keeps a quoted value from being read
        // as another mark.
        if (number == ErrorNumber::NoSettingsFile)
            message.replace(kFolderMark, QDir::toNativeSeparators(context.platform.folders.programFolder()));
        else if (number == ErrorNumber::OpenAndPlayListMissing)
            message.replace(kOpenAndPlayMark, context.settings.openAndPlayFile);
        else if (number == ErrorNumber::NotAListFile)
            message.replace(kCommandLineMark, context.commandLine);
    }
    return message + kPartBreak + QCoreApplication::translate("ErrorMessages", "Error rised: %1").arg(text);
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
