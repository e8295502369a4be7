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
    QString heading;
    QString first;
    // A null text: the topic has no second paragraph. An empty one still gets its separator.
    QString second;
};

const Topic kTopics[] = {
    {11, u"Opening Play lists "_s,
     u"Just click on the Play list you wish to open and a new window will open with that play list."_s,
     u"When you have opened all the files you require, Press Close."_s},
    {12, u"Adding MP3 Files (1) "_s, u"Drag the MP3 files from the Add file window to the required play list window "_s,
     u""_s},
    {13, u"Searching"_s,
     u"To search press the search button, the program will then search from the current directory for any files of "
     u"the type you are looking for."_s,
     QString()},
    {14, u"Help for Help"_s, u"Just click on a the subject you require help on."_s, QString()},
    {15, u"INI Update"_s, u"Next time you start TUNARY these settings will be used."_s, QString()},
    {16, u"Changing player path"_s, u"Tunary requires a MP3 player to play m3p files."_s,
     u"Click on Change to look for it your self, or click on the search Tab and TUNARY will look for you."_s},
    {17, u"Changing MP3 path"_s,
     u"Here you can select you directory that holds your MP3 files (if Applicable) doing this will speed up the "
     u"process of making play list."_s,
     u"If you do not have one set place that your holds your MP3 files, please Enter a sutible path (C:\\) this is "
     u"were TUNARY will start looking when you add a MP3 to a play list."_s},
    {18, u"Why does it always start there?"_s,
     u"TUNARY will look in the directory you have set as you MP3 collection directory. to change this enter the "
     u"setting by selecting 'settings' form the menu."_s,
     QString()},
    {19, u"I can't select all the MP3's at once."_s,
     u"Just right click your mouse over the MP3 file list and click select all, in order to drag these files to a "
     u"play list hold down <SHIFT> and <CTRL> on the keyboard and drag."_s,
     QString()},
    {20, u"Moving items up and down the play list."_s,
     u"Hold down <Ctrl> and press the up/down arrow to move the Items up and down the list."_s, QString()},
    {21, u"Playing the files"_s, u"Just double click the file to play it."_s, QString()},
    {22, u"Changing the TUNARY Colour"_s,
     u"Use the slider bars to make a new color or click on one of the default colours, the background colour will "
     u"change when the 'OK' button is pressed."_s,
     QString()},
    {23, u"Changing the M3U path"_s,
     u"here you can state where the program looks for M3U files first, the setting should be set to speed loading "
     u"and saving."_s,
     QString()},
    {24, u"Moving a whole list"_s,
     u"In order to move a whole list to another Select all the MP3 and hold down <SHIFT> and <CTRL> then drag the "
     u"files to the required list."_s,
     QString()},
    {25, u"Move ratter then copy option"_s,
     u"When draging files from one playlist to another this option selects whether the song is deleted from the "
     u"source list or not."_s,
     QString()},
    {26, u"Playing a default list"_s, u"Use can use this option to play a list when Tunary starts."_s, QString()},
    {27, u"always sort option"_s, u"use can use this option to sort a playlist when it is FIRST opened"_s, QString()},
};

// One CR ends a line; two make an empty line between parts.
const QString kLine = u"\r"_s;
const QString kPart = u"\r\r"_s;

} // namespace

QString helpTitle(int topic)
{
    return u"Help Number: "_s + QString::number(topic);
}

QString helpMessage(int topic)
{
    if (topic == 10) {
        return u"Options"_s + kPart + u"From Here you can do four things:"_s + kPart + u"Make a New MP3 play list"_s +
               kLine + u"Open an Existing MP3 Play list"_s + kLine + u"Exit TUNARY"_s + kLine + u"Edit Settings"_s +
               kPart + u"These items can be found in the File Menu"_s;
    }
    for (const Topic &entry : kTopics) {
        if (entry.number != topic)
            continue;
        QString message = entry.heading + kPart + entry.first;
        if (!entry.second.isNull())
            message += kPart + entry.second;
        return message;
    }
    return {};
}

void showHelp(AppContext &context, int topic)
{
    QString message = helpMessage(topic);
    if (message.isEmpty())
        message = QCoreApplication::translate("Mod_Help", "There is no help for this topic.");
    context.platform.messageBoxes.show({helpTitle(topic), message, MessageIcon::Information, MessageButtons::Ok});
}

QList<Subject> playListSubjects()
{
    return {{u"Moving items up/down a list."_s, 20}, {u"Playing Files."_s, 21}};
}

QList<Subject> settingsSubjects()
{
    return {{u"Changing Winamp path"_s, 16},
            {u"Changing Default MP3 Directory"_s, 17},
            {u"Changing Default 'TUNARY' Colour"_s, 22},
            {u"Changing the M3U path"_s, 23},
            {u"playing a defult list"_s, 26},
            {u"Always Sort option"_s, 27}};
}

QList<Subject> finderSubjects()
{
    return {{u"Opening M3U play list"_s, 11},
            {u"Adding MP3 files to a play list "_s, 12},
            {u"Help for Searching"_s, 13},
            {u"Why does it always start there?"_s, 18},
            {u"I cant select all the files at once."_s, 19}};
}

} // namespace HelpTopics
