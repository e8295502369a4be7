#pragma once

#include <QString>

class AppContext;

/** The program's start after the loader: what happens as the splash closes. */
namespace StartUp {

/**
 * The splash is closing: keeps the command line, loads the settings (which loads the frame and runs the
 * start-up steps) and starts the player once without arguments.
 */
void splashUnloading(AppContext &context, const QString &commandLine);

/** The start-up steps at the end of the first settings load. */
void startUpSteps(AppContext &context);

/** Starts the player with no arguments; an empty or unusable player path is passed over quietly. */
void startPlayer(AppContext &context);

} // namespace StartUp
