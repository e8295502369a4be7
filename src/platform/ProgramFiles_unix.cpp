// SPDX-License-Identifier: MIT

#include "platform/ProgramFiles.h"

bool ProgramFiles::knownByName()
{
    return false;
}
