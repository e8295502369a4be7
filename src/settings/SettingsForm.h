// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include <QColor>
#include <QString>

#include "core/ErrorMessages.h"
#include "core/Settings.h"

class AppContext;

/** The rules behind the settings dialog: what it shows for the settings, what OK saves, the swatches. */
namespace SettingsForm {

constexpr int kSwatchCount = 15;

/** The red, green and blue numbers of a swatch; nothing for an index outside 0 to 14. */
std::optional<QColor> swatchColour(int index);

/** A colour as a stored colour value: red + 256 × green + 65536 × blue. */
qint32 colourValue(const QColor &colour);

/** What the dialog shows when it opens on the settings. */
SettingsValues valuesFromSettings(const SettingsRecord &settings);

/** Nothing when OK may save; else the error that refuses it (the open-and-play list empty, no font). */
std::optional<ErrorNumber> refusal(const SettingsValues &values);

/**
 * OK: refused with an error (the dialog stays open), else the settings are saved and read back, which
 * recolours the frame. Returns the refusing error, or nothing when the dialog may close.
 */
std::optional<ErrorNumber> accept(AppContext &context, const SettingsValues &values);

/** The player search: the last "winamp.exe" (any letter case) the walk of a drive meets, or "". */
constexpr auto kPlayerName = "winamp.exe";

/**
 * The first on PATH of the players that play an M3U file given as their argument, as the command that runs it
 * (its full path, and the switches it wants for a list); empty when none is there. It stands in where no
 * "winamp.exe" is found.
 */
QString playerOnPath();

} // namespace SettingsForm
