// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QSize>
#include <QString>

#include "playlist/M3UFile.h"
#include "playlist/PlayListModel.h"

/**
 * What a play-list window holds: its entries, its caption (the list's file, or "Untitled " and a number),
 * its slot number as text, the player it plays with, and the font of its list. The window shows it; the
 * rules change it.
 */
class PlayList : public QObject
{
    Q_OBJECT

public:
    explicit PlayList(QObject *parent = nullptr);

    PlayListModel &model() { return m_model; }
    const PlayListModel &model() const { return m_model; }

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    /** True while the list has never been saved under a name. */
    bool isUntitled() const;

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    int slot() const { return m_tag.toInt(); }

    QString listFont() const { return m_listFont; }
    void setListFont(const QString &font);

    /** The player this window plays with, taken from the settings when the window was set up. */
    QString playerPath;
    /** The command line of the last play: the player, one blank, the play file. */
    QString PlayCommand;
    /** How the list's file stores its text; a new list is plain 8-bit text. */
    ListEncoding encoding = ListEncoding::EightBit;

    /** Asks the window to take a size given in twips (15 twips to a pixel). */
    void setSizeTwips(int width, int height);
    QSize sizePixels() const { return m_size; }

    /** Asks the window to show itself. */
    void show();
    /** Asks the window to close through its close request. */
    void close();

signals:
    void captionChanged(const QString &caption);
    void listFontChanged(const QString &font);
    void sizeRequested(const QSize &pixels);
    void showRequested();
    void closeRequested();

private:
    PlayListModel m_model;
    QString m_caption;
    QString m_tag;
    QString m_listFont;
    QSize m_size;
};
