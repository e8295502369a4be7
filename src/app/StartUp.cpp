#include "app/StartUp.h"

#include <QLoggingCategory>

#include "app/AppContext.h"
#include "app/WindowHost.h"
#include "platform/ProgramStarter.h"
#include "settings/SettingsFile.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStartUp, "tunary.startup")

namespace StartUp {

void splashUnloading(AppContext &context, const QString &commandLine)
{
    context.CommandLine = commandLine;
    LoadSettings(context, u"yes"_s);
    startPlayer(context);
}

void startUpSteps(AppContext &context)
{
    context.host().showPlayerPath(context.Settings.WinampPath);
}

void startPlayer(AppContext &context)
{
    const QString player = context.Settings.WinampPath;
    if (player.trimmed().isEmpty())
        return;
    const StartResult started = context.platform.programStarter.start(player, {});
    if (!started.ok())
        qCInfo(lcStartUp) << "player not started:" << started.error;
}

} // namespace StartUp
