// SPDX-License-Identifier: MIT

#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

Translations::Translations(const QLocale &locale)
{
    // The desktop's languages in the user's order ("de-AT", "de", "en-US"); the first one with a translation
    // wins, and a file for "de" serves "de-AT" as well.
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == u"C"_s || language == u"en"_s || language.startsWith(u"en_"_s))
            return;
        if (m_program.load(u"tunary_"_s + language, u":/i18n"_s))
            break;
    }
    if (m_program.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_program);
    // Qt's own texts (the buttons of message boxes, the context menus of text boxes) in the same language.
    if (m_qt.load(u"qtbase_"_s + m_program.language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QString Translations::language() const
{
    return m_program.isEmpty() ? QString() : m_program.language();
}
