// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "core/Settings.h"

class AppContext;

/** What reading TUNARY.INI found. */
struct SettingsRead
{
    int linesRead = 0;
    /** The system's description of the last fault met while reading; empty when there was none. */
    QString fault;
};

/**
 * The eleven lines of TUNARY.INI as they are written: CR LF ends, integers between blanks, True/False. A text that
 * is unchanged from a field `read` took from Windows-1252 bytes is written in Windows-1252 again; other text is
 * UTF-8.
 */
QByteArray formatSettings(const SettingsValues &values, const SettingsRecord &read = {});

/**
 * Reads the first eleven lines of a settings file into the record, in file order. A line that is not there
 * leaves its field as it was.
 */
SettingsRead readSettingsFile(const QString &path, SettingsRecord &record);

/** BackColour read as a signed 32-bit number, blanks around it allowed; nothing when it is not a number. */
std::optional<qint32> parseBackColour(const QString &text);

/**
 * Fills the settings from TUNARY.INI, reports missing settings (error 1) and a missing open-and-play list
 * (error 8), loads the main frame and colours it. It never passes a fault on.
 */
void loadSettings(AppContext &context);

/**
 * Writes TUNARY.INI atomically; texts unchanged from the settings in memory keep the code page they were read in.
 * A fault is reported as error 6 and leaves the old file as it was. The record in memory is not touched; the
 * caller reloads it.
 */
void saveSettings(AppContext &context, const SettingsValues &values);
