// SPDX-License-Identifier: MIT

#include "settings/SettingsForm.h"

#include "core/AppContext.h"
#include "help/ErrorMessages.h"
#include "settings/SettingsFile.h"

using namespace Qt::StringLiterals;

namespace SettingsForm {

namespace {

constexpr int kSwatches[kSwatchCount][3] = {
    {0, 0, 0},       {128, 128, 255}, {192, 192, 0},   {128, 128, 0}, {255, 255, 255},
    {192, 255, 192}, {128, 128, 128}, {255, 255, 0},   {0, 64, 0},    {192, 192, 192},
    {255, 128, 128}, {255, 0, 0},     {224, 224, 224}, {0, 0, 255},   {0, 0, 128},
};

int sliderValue(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::clamp(value, 0, 255) : 0;
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

State stateFromSettings(const SettingsRecord &settings)
{
    State state;
    state.alwaysSort = settings.alwaysSort == u"True"_s;
    state.openAndPlay = settings.openAndPlay == u"True"_s;
    state.openAndPlayFile = settings.openAndPlayFile;
    state.playerPath = settings.playerPath;
    state.mp3Folder = settings.mp3Folder;
    if (!settings.backColour.isEmpty()) {
        // A colour that is not a number leaves the preview white.
        if (const std::optional<qint32> colour = parseBackColour(settings.backColour))
            state.preview = *colour;
        state.red = sliderValue(settings.red);
        state.green = sliderValue(settings.green);
        state.blue = sliderValue(settings.blue);
    }
    state.m3uFolder = settings.m3uFolder;
    state.font = settings.listFont;
    return state;
}

std::optional<ErrorNumber> refusal(const State &state)
{
    if (state.openAndPlay && state.openAndPlayFile.isEmpty())
        return ErrorNumber::OpenAndPlayListMissing;
    if (state.font.isEmpty())
        return ErrorNumber::NoFont;
    return std::nullopt;
}

SettingsValues valuesFrom(const State &state)
{
    SettingsValues values;
    values.playerPath = state.playerPath;
    values.mp3Folder = state.mp3Folder;
    values.m3uFolder = state.m3uFolder;
    values.backColour = QString::number(state.preview);
    values.red = qint16(state.red);
    values.green = qint16(state.green);
    values.blue = qint16(state.blue);
    values.listFont = state.font;
    values.alwaysSort = state.alwaysSort;
    values.openAndPlay = state.openAndPlay;
    values.openAndPlayFile = state.openAndPlayFile;
    return values;
}

std::optional<ErrorNumber> accept(AppContext &context, const State &state)
{
    const std::optional<ErrorNumber> refused = refusal(state);
    if (refused) {
        ErrorMessages::showError(context, *refused, QString());
        return refused;
    }
    saveSettings(context, valuesFrom(state));
    loadSettings(context);
    return std::nullopt;
}

} // namespace SettingsForm
