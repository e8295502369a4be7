#pragma once

#include <QString>

class Folders;
class SingleInstance;

/**
 * The loader: the first thing the program runs. It decides whether this copy goes on to the splash, or hands
 * its list to the copy already running and ends.
 */
class frmstater
{
public:
    enum class Outcome { ShowSplash, End };

    frmstater(Folders &folders, SingleInstance &instance);

    /** Runs the loader for the list named on the command line (empty when none); faults are passed over. */
    Outcome Form_Load(const QString &commandLine);

private:
    Folders &m_folders;
    SingleInstance &m_instance;
};
