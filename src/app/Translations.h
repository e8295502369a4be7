// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

/**
 * The program's own translation and Qt's, for the first of the user's languages the program is translated to,
 * installed in the application while this object lives. English, the language the texts are written in, needs
 * none: a user who puts English before any translated language gets English.
 */
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    /** The language installed, such as "de"; empty for English. */
    QString language() const;

private:
    QTranslator m_program;
    QTranslator m_qt;
};
