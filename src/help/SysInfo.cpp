// SPDX-License-Identifier: MIT

#include "help/SysInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/AppContext.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"

using namespace Qt::StringLiterals;

namespace SysInfo {

void startSystemInformation(AppContext &context)
{
    const Registry &registry = context.platform.registry;
    ProgramStarter &starter = context.platform.programStarter;
    const QString root = u"HKEY_LOCAL_MACHINE"_s;
    QString path;
    if (registry.keyValue(root, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s, path) &&
        starter.start(path, {}).ok())
        return;
    QString folder;
    if (registry.keyValue(root, u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s, folder)) {
        const QString program = folder + u"\\MSINFO32.EXE"_s;
        if (QFileInfo(program).isFile() && starter.start(program, {}).ok())
            return;
    }
    context.platform.messageBoxes.show(
        {QCoreApplication::applicationName(),
         QCoreApplication::translate("SysInfo", "System Information Is Unavailable At This Time"), MessageIcon::None,
         MessageButtons::Ok});
}

} // namespace SysInfo
