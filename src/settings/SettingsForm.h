// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include <QColor>
#include <QString>

#include "core/Settings.h"
#include "help/ErrorMessages.h"

class AppContext;

/** The rules behind the settings dialog: what it shows for the settings, what OK saves, the swatches. */
namespace SettingsForm {

/** What the dialog's controls hold. */
struct State
{
    QString playerPath;
    QString mp3Folder;
    QString m3uFolder;
    /** The preview's colour as a stored colour value; this is what OK saves. */
    qint32 preview = 0xFFFFFF;
    int red = 0;
    int green = 0;
    int blue = 0;
    /** The sample label's text: the font saved. */
    QString font;
    bool alwaysSort = false;
    bool openAndPlay = false;
    QString openAndPlayFile;
};

constexpr int kSwatchCount = 15;

/** The red, green and blue numbers of a swatch; nothing for an index outside 0 to 14. */
std::optional<QColor> swatchColour(int index);

/** A colour as a stored colour value: red + 256 × green + 65536 × blue. */
qint32 colourValue(const QColor &colour);

/** The controls as the dialog opens on the settings. */
State stateFromSettings(const SettingsRecord &settings);

/** Nothing when OK may save; else the error that refuses it (the open-and-play list empty, no font). */
std::optional<ErrorNumber> refusal(const State &state);

SettingsValues valuesFrom(const State &state);

/**
 * OK: refused with an error (the dialog stays open), else the settings are saved and read back, which
 * recolours the frame. Returns the refusing error, or nothing when the dialog may close.
 */
std::optional<ErrorNumber> accept(AppContext &context, const State &state);

/** The player search: the last "winamp.exe" (any letter case) the walk of a drive meets, or "". */
constexpr auto kPlayerName = "winamp.exe";

} // namespace SettingsForm
