// SPDX-License-Identifier: MIT

#include "core/PlayerCommand.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kFileMark = u"%f"_s;

// "%f" is the file, "%%" a percent sign; any other "%" stays as it is.
QString substituted(const QString &argument, const QString &file, bool *hadFile)
{
    QString result;
    result.reserve(argument.size());
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] == u'%' && i + 1 < argument.size()) {
            if (argument[i + 1] == u'f') {
                result += file;
                *hadFile = true;
                ++i;
                continue;
            }
            if (argument[i + 1] == u'%') {
                result += u'%';
                ++i;
                continue;
            }
        }
        result += argument[i];
    }
    return result;
}

} // namespace

PlayerCommand PlayerCommand::parse(const QString &setting)
{
    const QString whole = setting.trimmed();
    if (whole.isEmpty())
        return {};
    if (QFileInfo(whole).isFile())
        return {whole, {}};

    QStringList words;
    QString word;
    bool inWord = false;
    enum class Quote { None, Single, Double } quote = Quote::None;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const QChar c = whole[i];
        switch (quote) {
        case Quote::Single:
            if (c == u'\'')
                quote = Quote::None;
            else
                word += c;
            continue;
        case Quote::Double:
            if (c == u'"') {
                quote = Quote::None;
            } else if (c == u'\\' && i + 1 < whole.size() && QStringView(u"\"\\$`").contains(whole[i + 1])) {
                word += whole[++i];
            } else {
                word += c;
            }
            continue;
        case Quote::None:
            break;
        }
        if (c == u' ' || c == u'\t') {
            if (inWord)
                words.append(std::exchange(word, {}));
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'\'')
            quote = Quote::Single;
        else if (c == u'"')
            quote = Quote::Double;
        else if (c == u'\\' && i + 1 < whole.size())
            word += whole[++i];
        else
            word += c;
    }
    // A quote left open runs to the end of the setting.
    if (inWord)
        words.append(word);
    if (words.isEmpty())
        return {};
    PlayerCommand command;
    command.program = words.takeFirst();
    command.arguments = words;
    return command;
}

QStringList PlayerCommand::argumentsFor(const QString &playFile) const
{
    QStringList result;
    bool hadFile = false;
    for (const QString &argument : arguments)
        result.append(substituted(argument, playFile, &hadFile));
    if (!hadFile)
        result.append(playFile);
    return result;
}

QStringList PlayerCommand::argumentsWithoutFile() const
{
    QStringList result;
    for (const QString &argument : arguments) {
        bool hadFile = false;
        const QString plain = substituted(argument, QString(), &hadFile);
        if (!hadFile)
            result.append(plain);
    }
    return result;
}

QString PlayerCommand::quoted(const QString &word)
{
    static const QString kSpecial = u" \t'\"\\"_s;
    if (!word.isEmpty() && std::none_of(word.cbegin(), word.cend(), [](QChar c) { return kSpecial.contains(c); }))
        return word;
    QString result = word;
    result.replace(u"'"_s, u"'\\''"_s);
    return u'\'' + result + u'\'';
}

QString PlayerCommand::presetFor(const QString &programPath)
{
    // Each player's own switches: a window to show, and a running copy that takes the new list in place of its own.
    struct Preset
    {
        const char *name;
        const char *arguments;
    };
    static const Preset kPresets[] = {
        {"mpv", "--player-operation-mode=pseudo-gui --force-window=yes -- %f"},
        {"vlc", "--one-instance --no-playlist-enqueue %f"},
        {"audacious", "%f"},
        {"smplayer", "%f"},
        {"qmmp", "%f"},
        {"deadbeef", "%f"},
        {"strawberry", "--load %f"},
        {"clementine", "--load %f"},
    };
    const QString name = QFileInfo(programPath).fileName();
    for (const Preset &preset : kPresets) {
        if (name == QLatin1StringView(preset.name))
            return quoted(programPath) + u' ' + QString::fromLatin1(preset.arguments);
    }
    return programPath;
}
