// SPDX-License-Identifier: MIT

#include "platform/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "platform/EightBitText.h"

QString openRegularFile(const QString &path, QFile &file)
{
    // Without O_NONBLOCK opening a pipe waits for a writer; the flag means nothing for a regular file.
    const int fd = ::open(EightBitText::systemName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status = {};
    const bool known = ::fstat(fd, &status) == 0;
    if (!known || !S_ISREG(status.st_mode)) {
        QString fault =
            known ? QCoreApplication::translate("RegularFile", "Not a regular file") : qt_error_string(errno);
        ::close(fd);
        return fault;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}

void populatePages(char *data, qsizetype size)
{
#ifdef MADV_POPULATE_WRITE
    const auto pageSize = qsizetype(::sysconf(_SC_PAGESIZE));
    const auto intoPage = qsizetype(reinterpret_cast<quintptr>(data) % quintptr(pageSize));
    const qsizetype skipped = intoPage == 0 ? 0 : pageSize - intoPage;
    // A system older than the request refuses it, and the pages come as they are written.
    if (size > skipped)
        ::madvise(data + skipped, size_t(size - skipped), MADV_POPULATE_WRITE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}
