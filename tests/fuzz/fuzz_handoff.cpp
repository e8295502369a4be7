// SPDX-License-Identifier: MIT

// The hand-off format, in memory: any bytes parse without a fault, a later start that keeps what waits
// (parse, then format again) changes nothing, and names taken from the input (split at NUL bytes, which no
// file name holds) come back whole from format and parse, line breaks and all.
#include <cstdint>
#include <cstdlib>

#include "app/HandOff.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    const QByteArrayList waiting = HandOff::parse(bytes);
    if (HandOff::parse(HandOff::format(waiting)) != waiting)
        std::abort();

    QByteArrayList names;
    for (const QByteArray &part : bytes.split('\0')) {
        if (!part.isEmpty())
            names.append(part);
    }
    if (HandOff::parse(HandOff::format(names)) != names)
        std::abort();

    // Any line a socket brings is read without harm; a request made of any name comes back whole.
    if (const std::optional<HandOff::Request> request = HandOff::parseRequest(bytes)) {
        if (HandOff::parseRequest(HandOff::formatRequest(*request)) != request)
            std::abort();
    }
    const HandOff::Request request{bytes, 4242};
    if (HandOff::parseRequest(HandOff::formatRequest(request)) != request)
        std::abort();
    return 0;
}
