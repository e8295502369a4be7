// SPDX-License-Identifier: MIT

#include "settings/SettingsForm.h"

#include <QStandardPaths>

#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "core/PlayerCommand.h"
#include "settings/SettingsFile.h"

using namespace Qt::StringLiterals;

namespace SettingsForm {

namespace {

constexpr int kSwatches[kSwatchCount][3] = {
    {0, 0, 0},       {128, 128, 255}, {192, 192, 0},   {128, 128, 0}, {255, 255, 255},
    {192, 255, 192}, {128, 128, 128}, {255, 255, 0},   {0, 64, 0},    {192, 192, 192},
    {255, 128, 128}, {255, 0, 0},     {224, 224, 224}, {0, 0, 255},   {0, 0, 128},
};

qint16 sliderValue(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return qint16(ok ? std::clamp(value, 0, 255) : 0);
}

} // namespace

std::optional<QColor> swatchColour(int index)
{
    if (index < 0 || index >= kSwatchCount)
        return std::nullopt;
    return QColor(kSwatches[index][0], kSwatches[index][1], kSwatches[index][2]);
}

qint32 colourValue(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

QString playerOnPath()
{
    static const char *const players[] = {"audacious", "vlc",      "mpv",        "smplayer",
                                          "qmmp",      "deadbeef", "strawberry", "clementine"};
    for (const char *player : players) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!path.isEmpty())
            return PlayerCommand::presetFor(path);
    }
    return {};
}

SettingsValues valuesFromSettings(const SettingsRecord &settings)
{
    SettingsValues values;
    values.alwaysSort = settings.alwaysSort == u"True"_s;
    values.openAndPlay = settings.openAndPlay == u"True"_s;
    values.openAndPlayFile = settings.openAndPlayFile;
    values.playerPath = settings.playerPath;
    values.mp3Folder = settings.mp3Folder;
    // Without any settings (the first start), a player found on this system is offered.
    if (settings.backColour.isEmpty() && settings.playerPath.isEmpty())
        values.playerPath = playerOnPath();
    if (!settings.backColour.isEmpty()) {
        // A colour that is not a number leaves the preview white.
        if (const std::optional<qint32> colour = parseBackColour(settings.backColour))
            values.backColour = *colour;
        values.red = sliderValue(settings.red);
        values.green = sliderValue(settings.green);
        values.blue = sliderValue(settings.blue);
    }
    values.m3uFolder = settings.m3uFolder;
    values.listFont = settings.listFont;
    return values;
}

std::optional<ErrorNumber> refusal(const SettingsValues &values)
{
    if (values.openAndPlay && values.openAndPlayFile.isEmpty())
        return ErrorNumber::OpenAndPlayListMissing;
    if (values.listFont.isEmpty())
        return ErrorNumber::NoFont;
    return std::nullopt;
}

std::optional<ErrorNumber> accept(AppContext &context, const SettingsValues &values)
{
    const std::optional<ErrorNumber> refused = refusal(values);
    if (refused) {
        ErrorMessages::showError(context, *refused, QString());
        return refused;
    }
    saveSettings(context, values);
    loadSettings(context);
    return std::nullopt;
}

} // namespace SettingsForm
