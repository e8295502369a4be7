// SPDX-License-Identifier: MIT

#include "core/MusicFiles.h"

using namespace Qt::StringLiterals;

namespace MusicPatterns {

QString forChoice(MusicFiles files)
{
    switch (files) {
    case MusicFiles::Mp3Only:
        break;
    case MusicFiles::AllFormats:
        return u"*.MP3;*.FLAC;*.OGG;*.OGA;*.OPUS;*.M4A;*.AAC;*.WAV;*.WMA;*.AIF;*.AIFF;*.APE;*.WV;*.MPC"_s;
    }
    return u"*.MP3"_s;
}

QString forDrops()
{
    return forChoice(MusicFiles::AllFormats);
}

} // namespace MusicPatterns
