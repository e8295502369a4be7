// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

class AppContext;

/** The program's numbered help topics, and the subjects each window offers in the help window. */
namespace HelpTopics {

/** One subject of the help window: its title and the topic it shows. */
struct Subject
{
    QString title;
    int topic;

    bool operator==(const Subject &) const = default;
};

/** "Help Number: " and the number. */
QString helpTitle(int topic);
/** The topic's message: heading and paragraphs with an empty line between them; empty for an unknown topic. */
QString helpMessage(int topic);

/** Shows a topic in an information box; a topic without help says so. */
void showHelp(AppContext &context, int topic);

QList<Subject> playListSubjects();
QList<Subject> settingsSubjects();
QList<Subject> finderSubjects();

} // namespace HelpTopics
