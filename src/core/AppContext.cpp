// SPDX-License-Identifier: MIT

#include "core/AppContext.h"

#include "core/WindowHost.h"

namespace {

class NoWindows : public WindowHost
{
public:
    void openSettings() override {}
    void loadFrame() override {}
    void setFrameBackColour(qint32) override {}
    void showPlayerPath(const QString &) override {}
    PlayList *createPlayListWindow() override { return nullptr; }
    void discardPlayListWindow(PlayList *) override {}
    void openFileDialog(FileDialogPurpose, int, PathChosen) override {}
    void openFinder(FinderMode) override {}
    void closeFrame() override {}
    void showPlayListHelp() override {}
    void showFinderHelp() override {}
    void showSettingsHelp() override {}
    void showHelp(int) override {}
    void showAbout() override {}
};

NoWindows noWindows;

} // namespace

AppContext::AppContext(const Platform &platform)
    : platform(platform)
    , options(platform.folders)
    , m_host(&noWindows)
{}

void AppContext::setHost(WindowHost *host)
{
    m_host = host ? host : &noWindows;
}

void AppContext::rememberPlayer(qint64 pid)
{
    // Enough for every player a run starts and still runs; the oldest have long ended.
    constexpr qsizetype kKept = 64;
    if (pid <= 0)
        return;
    playerProcesses.append(pid);
    if (playerProcesses.size() > kKept)
        playerProcesses.removeFirst();
}
