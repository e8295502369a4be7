// SPDX-License-Identifier: MIT

#include <cstdio>
#include <optional>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSessionManager>

#include "app/CommandLine.h"
#include "app/HandOffInbox.h"
#include "app/StartupGate.h"
#include "app/Translations.h"
#include "app/ui/UiWindowHost.h"
#include "core/AppContext.h"
#include "core/PauseWatch.h"
#include "platform/DesktopSession.h"
#include "platform/PlayFiles.h"
#include "platform/ProcessProgramStarter.h"
#include "platform/ProgramArguments.h"
#include "platform/StandardFolders.h"
#include "platform/StorageDrives.h"
#include "platform/SystemRegistry.h"
#include "platform/TerminationSignals.h"
#include "platform/ui/LocalSingleInstance.h"
#include "platform/ui/QtMessageBoxes.h"
#include "platform/ui/SystemTrayIcon.h"
#include "widgets/Logo.h"
#include "widgets/UniformListAccessible.h"

using namespace Qt::StringLiterals;

namespace {

/**
 * Answers a command line of exactly "-h", "--help", "-v" or "--version" on the standard output, before any
 * window system or running copy is touched; any other command line is a list ("./--help" opens a list of
 * that name).
 */
std::optional<int> answerInformationRequest(int argc, char *argv[])
{
    const QString argument = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argument != u"-h"_s && argument != u"--help"_s && argument != u"-v"_s && argument != u"--version"_s)
        return std::nullopt;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Makes, edits and plays MP3 play lists stored as M3U files.\n"
        "Given a list while another copy runs, hands the list to that copy, which opens and plays it."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Shows this help and ends."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Shows the version and ends."_s);
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(u"LIST"_s, u"The M3U play list to open and play (the whole command line)."_s,
                                 u"[LIST]"_s);
    parser.parse({u"tunary"_s, argument});
    // Without an application object Qt names the program "<executable_name>" in the usage line.
    QString text = parser.helpText().replace(u"<executable_name>"_s, u"tunary"_s);
    if (parser.isSet(version))
        text = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
    std::fputs(qPrintable(text), stdout);
    return 0;
}

// How long a box about a fault that ends the program waits for somebody to read it.
constexpr int kFaultBoxMs = 30000;

} // namespace

int main(int argc, char *argv[])
{
#if defined(__GLIBC__)
    // Small freed blocks go back to the heap at once instead of waiting in its fast bins: after a list of a
    // million entries was sorted, merging the waiting ones on the next bigger allocation held the interface
    // for some 50 ms.
    mallopt(M_MXFAST, 0);
#endif
    QApplication::setApplicationName(u"TUNARY"_s);
    QApplication::setApplicationVersion(QStringLiteral(TUNARY_VERSION));
    // Docks and Wayland compositors find the program's launcher and icon by this name.
    QGuiApplication::setDesktopFileName(u"io.github.tunary.Tunary"_s);
    if (const std::optional<int> status = answerInformationRequest(argc, argv))
        return *status;
    // Said in one line, where Qt would abort the program.
    if (!DesktopSession::hasDisplay()) {
        std::fputs("TUNARY: no display to show windows on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        return 1;
    }

    QApplication app(argc, argv);
    // In the desktop's language from the first box on; --help and --version above answer in English.
    const Translations translations;
    QApplication::setWindowIcon(QIcon(tunaryLogo(64)));
    UniformListAccessible::install();
    // The program ends when its frame closes, not when the splash (its first window) does.
    QApplication::setQuitOnLastWindowClosed(false);

    // The list to open is taken now, against the folder the program was started in, before any hand-off.
    const EightBitText::Path commandLine =
        CommandLine::fromArguments(programArguments(argc, argv), QFile::encodeName(QDir::currentPath()));

    StandardFolders folders;
    folders.ensureProgramFolder();
    LocalSingleInstance instance(folders.programFolder(), folders.runtimeFolder());
    StartupGate loader(folders, instance);
    switch (loader.decide(commandLine.bytes())) {
    case StartupGate::Outcome::ShowSplash:
        break;
    case StartupGate::Outcome::End:
        if (loader.keptInFile())
            std::fputs("TUNARY: the running copy did not answer; the list waits for it in the hand-off file\n", stderr);
        return 0;
    case StartupGate::Outcome::CannotTell:
    case StartupGate::Outcome::CannotHandOver: {
        // Said on the error output with an exit code for a script, and in a box for the user who started it
        // from a menu; the box goes by itself after a while, as a script may have started it with nobody there.
        std::fprintf(stderr, "%s\n", qPrintable(loader.fault()));
        QtMessageBoxes boxes;
        MessageBoxRequest box{u"TUNARY"_s, loader.fault(), MessageIcon::Critical, MessageButtons::Ok};
        box.closeAfterMs = kFaultBoxMs;
        boxes.show(box);
        return 1;
    }
    }

    // Off unless its logging category is turned on: then every pause of the interface is reported.
    PauseWatch::startIfWanted();

    // From here a signal to end is taken on the event loop; until the windows can answer it, it just ends. A
    // later start, which runs no event loop, ends on a signal as any program does.
    TerminationSignals termination;
    termination.setHandler([] { QCoreApplication::exit(0); });

    QtMessageBoxes messageBoxes;
    ProcessProgramStarter programStarter;
    StorageDrives drives;
    SystemRegistry registry;
    AppContext context({messageBoxes, programStarter, folders, drives, registry});
    UiWindowHost windows(context, &messageBoxes);
    SystemTrayIcon trayIcon(QApplication::windowIcon());
    windows.setNotificationIcon(&trayIcon);
    // Lists handed over by later starts wait while a box or dialog is open, or the start is not done.
    HandOffInbox inbox(context);
    instance.setMessageHandler(inbox.messageHandler());
    QObject::connect(&inbox, &HandOffInbox::frontRequested, &windows, &UiWindowHost::activateFrame);
    inbox.watchFile();
    // Once the frame is gone, later starts keep their lists in the hand-off file for the next start.
    const auto stopTakingLists = [&inbox, &instance] {
        inbox.close();
        instance.stopListening();
    };
    QObject::connect(&windows, &UiWindowHost::frameUnloaded, &inbox, stopTakingLists);
    QObject::connect(&windows, &UiWindowHost::frameUnloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // A signal to end, or the end of the desktop session, ends the program as File > Exit does.
    termination.setHandler([&windows] { windows.requestEnd(); });
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &windows,
        [&windows](QSessionManager &session) {
            if (!windows.endWithSession([&session] { return session.allowsInteraction(); }))
                session.cancel();
        },
        Qt::DirectConnection);

    windows.showSplash(commandLine.text);
    const int status = QApplication::exec();
    stopTakingLists();
    // However the program ended, the play files of this run go with it.
    PlayFiles::removeAll(folders.playFile());
    return status;
}
