// SPDX-License-Identifier: MIT

#include "settings/Options.h"

#include "core/AppContext.h"
#include "help/Mod_Error.h"
#include "settings/SettingsFile.h"

using namespace Qt::StringLiterals;

namespace Options {

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

std::optional<QColor> findrightcolor(int index)
{
    if (index < 0 || index >= kSwatchCount)
        return std::nullopt;
    return QColor(kSwatches[index][0], kSwatches[index][1], kSwatches[index][2]);
}

qint32 colourValue(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

OptionsState stateFromSettings(const SettingsRecord &settings)
{
    OptionsState state;
    state.cc2 = settings.AlwaysSort == u"True"_s;
    state.cc3 = settings.OpenAndPlay == u"True"_s;
    state.opensong = settings.OpenAndPlayFile;
    state.TxtPath = settings.WinampPath;
    state.TxtMp3 = settings.Mp3Path;
    if (!settings.BackColour.isEmpty()) {
        // A colour that is not a number leaves the preview white.
        if (const std::optional<qint32> colour = parseBackColour(settings.BackColour))
            state.preview = *colour;
        state.V1 = sliderValue(settings.ColourRed);
        state.V2 = sliderValue(settings.ColourGreen);
        state.V3 = sliderValue(settings.ColourBlue);
    }
    state.M3UPathtxt = settings.M3UPath;
    state.test = settings.ListFont;
    return state;
}

int refusal(const OptionsState &state)
{
    if (state.cc3 && state.opensong.isEmpty())
        return 8;
    if (state.test.isEmpty())
        return 9;
    return 0;
}

SettingsValues valuesFrom(const OptionsState &state)
{
    SettingsValues values;
    values.WinampPath = state.TxtPath;
    values.Mp3Path = state.TxtMp3;
    values.M3UPath = state.M3UPathtxt;
    values.BackColour = QString::number(state.preview);
    values.ColourRed = qint16(state.V1);
    values.ColourGreen = qint16(state.V2);
    values.ColourBlue = qint16(state.V3);
    values.ListFont = state.test;
    values.AlwaysSort = state.cc2;
    values.OpenAndPlay = state.cc3;
    values.OpenAndPlayFile = state.opensong;
    return values;
}

int Cmdok_Click(AppContext &context, const OptionsState &state)
{
    if (const int error = refusal(state)) {
        Mod_Error::ShowError(context, error, QString());
        return error;
    }
    SaveSettings(context, valuesFrom(state));
    LoadSettings(context);
    return 0;
}

} // namespace Options
