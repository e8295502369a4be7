// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QByteArray>
#include <QString>

class AppContext;

/** The program's start after the loader, and the lists that later starts hand over. */
namespace StartUp {

/**
 * The splash is closing: keeps the command line, loads the settings (which loads the frame and runs the
 * start-up steps) and starts the player once without arguments.
 */
void splashUnloading(AppContext &context, const QString &commandLine);

/**
 * The start-up steps at the end of the first settings load. The start-up list is played once it has been read;
 * done hears when that is over (at once when there is no list, or it was read within the quiet time).
 */
void startUpSteps(AppContext &context, std::function<void()> done = {});

/**
 * Starts the player without a play file (the arguments of its command that name none), unless the options say
 * not to; an empty or unusable player setting is passed over quietly.
 */
void startPlayer(AppContext &context);

/**
 * A list handed over by a later start of the program (its name's bytes): opened in a new window and, when
 * asked, played whole once read; one that cannot be opened is dropped without a message. done hears when the
 * list has been read, or dropped.
 */
void openHandedOver(AppContext &context, const QByteArray &list, bool play, std::function<void()> done = {});

} // namespace StartUp
