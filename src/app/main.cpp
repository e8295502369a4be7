// SPDX-License-Identifier: MIT

#include <cstdio>

#include <QApplication>
#include <QDir>

#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/Logo.h"
#include "app/UiWindowHost.h"
#include "app/frmstater.h"
#include "platform/LocalSingleInstance.h"
#include "platform/ProcessProgramStarter.h"
#include "platform/QtMessageBoxes.h"
#include "platform/StandardFolders.h"
#include "platform/StorageDrives.h"
#include "platform/SystemRegistry.h"
#include "platform/SystemTrayIcon.h"

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"TUNARY"_s);
    QApplication::setApplicationVersion(QStringLiteral(TUNARY_VERSION));
    QApplication::setWindowIcon(QIcon(tunaryLogo(64)));
    // The program ends when its frame closes, not when the splash (its first window) does.
    QApplication::setQuitOnLastWindowClosed(false);

    // The list to open is taken now, against the folder the program was started in, before any hand-off.
    const QString commandLine = CommandLine::fromArguments(QApplication::arguments().mid(1), QDir::currentPath());

    StandardFolders folders;
    folders.ensureProgramFolder();
    LocalSingleInstance instance(folders.programFolder());
    frmstater loader(folders, instance);
    switch (loader.Form_Load(commandLine)) {
    case frmstater::Outcome::ShowSplash:
        break;
    case frmstater::Outcome::End:
        return 0;
    case frmstater::Outcome::CannotTell: {
        // Said in a box for the user who started it from a menu, and on the error output with an exit code
        // for a script.
        std::fprintf(stderr, "%s\n", qPrintable(loader.fault()));
        QtMessageBoxes boxes;
        boxes.show({u"TUNARY"_s, loader.fault(), MessageIcon::Critical, MessageButtons::Ok});
        return 1;
    }
    }

    QtMessageBoxes messageBoxes;
    ProcessProgramStarter programStarter;
    StorageDrives drives;
    SystemRegistry registry;
    AppContext context({messageBoxes, programStarter, folders, drives, registry});
    UiWindowHost windows(context, &messageBoxes);
    SystemTrayIcon trayIcon(QApplication::windowIcon());
    windows.setNotificationIcon(&trayIcon);
    instance.setActivationHandler([&windows] { windows.activateFrame(); });
    QObject::connect(&windows, &UiWindowHost::frameUnloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    windows.showSplash(commandLine);
    return QApplication::exec();
}
