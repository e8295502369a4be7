// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

/** One modal message box: what it says and which buttons it offers. */
struct MessageBoxRequest
{
    QString title;
    /** The text as the program builds it; a CR character stands for a line break. */
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    /** When set, the box closes by itself after this long, as with its way out, for nobody may be there. */
    int closeAfterMs = 0;
};

/** Every modal box of the program, the folder chooser included, goes through this interface, so tests can answer them.
 */
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    /** Shows the box, waits until the user closes it, and returns the button pressed. */
    virtual MessageAnswer show(const MessageBoxRequest &request) = 0;
    /** The desktop's folder chooser with a prompt; an empty text when the user cancels. */
    virtual QString browseForFolder(const QString &prompt) = 0;
    /** The folder chooser opened at a folder, the one already chosen, where the chooser can start anywhere. */
    virtual QString browseForFolderAt(const QString &prompt, const QString &startFolder)
    {
        Q_UNUSED(startFolder)
        return browseForFolder(prompt);
    }
};

/** The text as a box shows it: every CR (or CR LF) becomes a line break, so two CRs make an empty line. */
inline QString messageDisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
