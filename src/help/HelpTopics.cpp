// SPDX-License-Identifier: MIT

#include "help/HelpTopics.h"

#include <QCoreApplication>

#include "core/AppContext.h"
#include "platform/MessageBoxes.h"

using namespace Qt::StringLiterals;

namespace HelpTopics {

namespace {

struct Topic
{
    int number;
    // In English, translated when shown.
    const char *heading;
    const char *first;
    // None: the topic has no second paragraph. An empty one still gets its separator.
    const char *second;
};

const Topic kTopics[] = {
    {11, QT_TRANSLATE_NOOP("HelpTopics", "Opening Play lists "),
     QT_TRANSLATE_NOOP("HelpTopics",
                       "Just click on the Play list you wish to open and a new window will open with that play list."),
     QT_TRANSLATE_NOOP("HelpTopics", "When you have opened all the files you require, Press Close.")},
    {12, QT_TRANSLATE_NOOP("HelpTopics", "Adding MP3 Files (1) "),
     QT_TRANSLATE_NOOP("HelpTopics", "Drag the MP3 files from the Add file window to the required play list window "),
     ""},
    {13, QT_TRANSLATE_NOOP("HelpTopics", "Searching"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "To search press the search button, the program will then search from the current directory for any files of "
         "the type you are looking for."),
     nullptr},
    {14, QT_TRANSLATE_NOOP("HelpTopics", "Help for Help"),
     QT_TRANSLATE_NOOP("HelpTopics", "Just click on a the subject you require help on."), nullptr},
    {15, QT_TRANSLATE_NOOP("HelpTopics", "INI Update"),
     QT_TRANSLATE_NOOP("HelpTopics", "Next time you start TUNARY these settings will be used."), nullptr},
    {16, QT_TRANSLATE_NOOP("HelpTopics", "Changing player path"),
     QT_TRANSLATE_NOOP("HelpTopics", "Tunary requires a MP3 player to play m3p files."),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Click on Change to look for it your self, or click on the search Tab and TUNARY will look for you.")},
    {17, QT_TRANSLATE_NOOP("HelpTopics", "Changing MP3 path"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Here you can select you directory that holds your MP3 files (if Applicable) doing this will speed up the "
         "process of making play list."),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If you do not have one set place that your holds your MP3 files, please Enter a sutible path (C:\\) this is "
         "were TUNARY will start looking when you add a MP3 to a play list.")},
    {18, QT_TRANSLATE_NOOP("HelpTopics", "Why does it always start there?"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "TUNARY will look in the directory you have set as you MP3 collection directory. to change this enter the "
         "setting by selecting 'settings' form the menu."),
     nullptr},
    {19, QT_TRANSLATE_NOOP("HelpTopics", "I can't select all the MP3's at once."),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Just right click your mouse over the MP3 file list and click select all, in order to drag these files to a "
         "play list hold down <SHIFT> and <CTRL> on the keyboard and drag."),
     nullptr},
    {20, QT_TRANSLATE_NOOP("HelpTopics", "Moving items up and down the play list."),
     QT_TRANSLATE_NOOP("HelpTopics",
                       "Hold down <Ctrl> and press the up/down arrow to move the Items up and down the list."),
     nullptr},
    {21, QT_TRANSLATE_NOOP("HelpTopics", "Playing the files"),
     QT_TRANSLATE_NOOP("HelpTopics", "Just double click the file to play it."), nullptr},
    {22, QT_TRANSLATE_NOOP("HelpTopics", "Changing the TUNARY Colour"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Use the slider bars to make a new color or click on one of the default colours, the background colour will "
         "change when the 'OK' button is pressed."),
     nullptr},
    {23, QT_TRANSLATE_NOOP("HelpTopics", "Changing the M3U path"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "here you can state where the program looks for M3U files first, the setting should be set to speed loading "
         "and saving."),
     nullptr},
    {24, QT_TRANSLATE_NOOP("HelpTopics", "Moving a whole list"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "In order to move a whole list to another Select all the MP3 and hold down <SHIFT> and <CTRL> then drag the "
         "files to the required list."),
     nullptr},
    {25, QT_TRANSLATE_NOOP("HelpTopics", "Move ratter then copy option"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When draging files from one playlist to another this option selects whether the song is deleted from the "
         "source list or not."),
     nullptr},
    {26, QT_TRANSLATE_NOOP("HelpTopics", "Playing a default list"),
     QT_TRANSLATE_NOOP("HelpTopics", "Use can use this option to play a list when Tunary starts."), nullptr},
    {27, QT_TRANSLATE_NOOP("HelpTopics", "always sort option"),
     QT_TRANSLATE_NOOP("HelpTopics", "use can use this option to sort a playlist when it is FIRST opened"), nullptr},
};

// One CR ends a line; two make an empty line between parts.
const QString kLine = u"\r"_s;
const QString kPart = u"\r\r"_s;

QString translated(const char *text)
{
    return *text ? QCoreApplication::translate("HelpTopics", text) : QString();
}

} // namespace

QString helpTitle(int topic)
{
    return QCoreApplication::translate("HelpTopics", "Help Number: %1").arg(topic);
}

QString helpMessage(int topic)
{
    if (topic == 10) {
        return QCoreApplication::translate("HelpTopics", "Options") + kPart +
               QCoreApplication::translate("HelpTopics", "From Here you can do four things:") + kPart +
               QCoreApplication::translate("HelpTopics", "Make a New MP3 play list") + kLine +
               QCoreApplication::translate("HelpTopics", "Open an Existing MP3 Play list") + kLine +
               QCoreApplication::translate("HelpTopics", "Exit TUNARY") + kLine +
               QCoreApplication::translate("HelpTopics", "Edit Settings") + kPart +
               QCoreApplication::translate("HelpTopics", "These items can be found in the File Menu");
    }
    for (const Topic &entry : kTopics) {
        if (entry.number != topic)
            continue;
        QString message = translated(entry.heading) + kPart + translated(entry.first);
        if (entry.second)
            message += kPart + translated(entry.second);
        return message;
    }
    return {};
}

void showHelp(AppContext &context, int topic)
{
    QString message = helpMessage(topic);
    if (message.isEmpty())
        message = QCoreApplication::translate("HelpTopics", "There is no help for this topic.");
    context.platform.messageBoxes.show({helpTitle(topic), message, MessageIcon::Information, MessageButtons::Ok});
}

QList<Subject> playListSubjects()
{
    return {{QCoreApplication::translate("HelpTopics", "Moving items up/down a list."), 20},
            {QCoreApplication::translate("HelpTopics", "Playing Files."), 21}};
}

QList<Subject> settingsSubjects()
{
    return {{QCoreApplication::translate("HelpTopics", "Changing Winamp path"), 16},
            {QCoreApplication::translate("HelpTopics", "Changing Default MP3 Directory"), 17},
            {QCoreApplication::translate("HelpTopics", "Changing Default 'TUNARY' Colour"), 22},
            {QCoreApplication::translate("HelpTopics", "Changing the M3U path"), 23},
            {QCoreApplication::translate("HelpTopics", "playing a defult list"), 26},
            {QCoreApplication::translate("HelpTopics", "Always Sort option"), 27}};
}

QList<Subject> finderSubjects()
{
    return {{QCoreApplication::translate("HelpTopics", "Opening M3U play list"), 11},
            {QCoreApplication::translate("HelpTopics", "Adding MP3 files to a play list "), 12},
            {QCoreApplication::translate("HelpTopics", "Help for Searching"), 13},
            {QCoreApplication::translate("HelpTopics", "Why does it always start there?"), 18},
            {QCoreApplication::translate("HelpTopics", "I cant select all the files at once."), 19}};
}

} // namespace HelpTopics
