#pragma once

#include <QString>

/** What the program's rules ask of its windows; the widgets implement it, tests record it. */
class WindowHost
{
public:
    virtual ~WindowHost() = default;

    /** Opens the settings dialog without waiting; does nothing when it is already open. */
    virtual void OpenSettings() = 0;
    /** Loads and shows the main frame the first time; later calls do nothing. */
    virtual void loadFrame() = 0;
    /** Sets the frame's background to a stored colour value (negative values name system colours). */
    virtual void setFrameBackColour(qint32 colour) = 0;
    /** Shows the player's path on the splash window. */
    virtual void showPlayerPath(const QString &path) = 0;
};
