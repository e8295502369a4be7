#include "platform/ProgramFiles.h"

bool ProgramFiles::knownByName()
{
    return true;
}
