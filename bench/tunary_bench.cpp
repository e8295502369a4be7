// SPDX-License-Identifier: MIT

// Times the play-list editor's heavy operations on a big list, as a user meets them: opening the list until
// its window shows every entry, sorting, removing every other entry, selecting all, clearing, looking for
// missing files, removing duplicates and saving. Prints one "figure milliseconds" line per figure, the median
// of several runs.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include "app/ui/UiWindowHost.h"
#include "core/AppContext.h"
#include "core/FolderSearch.h"
#include "files/ui/FinderWindow.h"
#include "platform/Drives.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"

using namespace Qt::StringLiterals;
using Edit = PlayList::Edit;

namespace {

// Each figure is the median of this many runs; TUNARY_BENCH_RUNS sets another number (the growth table's
// biggest lists take fewer).
const int kRuns = std::max(
    1, qEnvironmentVariableIntValue("TUNARY_BENCH_RUNS") > 0 ? qEnvironmentVariableIntValue("TUNARY_BENCH_RUNS") : 5);

struct QuietBoxes : MessageBoxes
{
    MessageAnswer show(const MessageBoxRequest &) override { return MessageAnswer::Ok; }
    QString browseForFolder(const QString &) override { return {}; }
};
struct NoStarter : ProgramStarter
{
    StartResult start(const QString &, const QStringList &) override { return {}; }
};
struct BenchFolders : Folders
{
    QTemporaryDir dir;
    QString programFolder() const override { return dir.path(); }
    bool ensureProgramFolder() const override { return true; }
    QString playFile() const override { return dir.path() + u"/play.m3u"_s; }
};
struct NoDrives : Drives
{
    QStringList drives() const override { return {}; }
};
struct NoRegistry : Registry
{
    bool keyValue(const QString &, const QString &, const QString &, QString &) const override { return false; }
};

double medianMs(const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A figure of /proc/self/status in kB: VmRSS (resident now) or VmHWM (the most resident so far).
long statusKb(const QByteArray &figure = "VmRSS:")
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(figure))
            return line.mid(figure.size()).trimmed().split(' ').first().toLong();
    }
    return 0;
}

long residentKb()
{
    return statusKb();
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Runs the event loop until the list's work (a sort, a save) off the interface thread is done.
void waitWhileBusy(const PlayList &list)
{
    while (list.isBusy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();
}

// Saves a list as the user does, and waits until it is written.
void saveAndWait(AppContext &context, PlayList &list)
{
    bool saved = false;
    OpenLists::saveList(context, list, [&saved](const QString &, bool) { saved = true; });
    while (!saved)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Opens a list as the user does and runs the event loop until it has been read; the list, or none.
PlayList *openAndWait(AppContext &context, const QString &path)
{
    PlayList *list = nullptr;
    QEventLoop loop;
    bool read = false;
    OpenLists::openListFile(context, path, [&](OpenLists::OpenOutcome, PlayList *opened) {
        list = opened;
        read = true;
        loop.quit();
    });
    if (!read)
        loop.exec();
    return list;
}

// Runs the event loop as the program does between a user's steps: posted events, paints and deferred
// deletions all happen.
void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The longest time the interface thread went without running its event loop while the watch ran: a timer due
// every millisecond notes how long it has been since it last came.
class GapWatch
{
public:
    GapWatch()
    {
        m_ticker.setInterval(1);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, double(m_tick.nsecsElapsed()) / 1e6);
            m_tick.restart();
        });
    }
    void start()
    {
        m_tick.start();
        m_ticker.start();
    }
    void stop() { m_ticker.stop(); }
    double longest() const { return m_longest; }

private:
    QTimer m_ticker;
    QElapsedTimer m_tick;
    double m_longest = 0;
};

// A list just opened looks for its missing files a moment later: that look is let finish, its marks applied,
// so that it does not run into what is timed next.
void letOpeningLookFinish(const PlayList &list)
{
    runEventLoop(400);
    while (list.isLookingForMissing())
        runEventLoop(10);
    settle();
}

// Writes a list of the given lines, CR LF after each, as the lists the program reads.
bool writeList(const QString &path, const QList<QByteArray> &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : lines) {
        file.write(line);
        file.write("\r\n");
    }
    return file.error() == QFileDevice::NoError;
}

// The lines of a list file, without their line ends; no empty last line.
QList<QByteArray> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

// The look for missing files of a list none of whose files exist, started as the program starts it when the
// list comes to the front: the time until every entry is marked, and the longest time the interface went
// without running its event loop meanwhile, the repaint of the marks included (the worst of the runs).
void benchMissing(PlayList &list)
{
    PlayListModel &model = list.model();
    letOpeningLookFinish(list);
    std::vector<double> times;
    double longestGap = 0;
    bool allMarked = true;
    for (int run = 0; run < kRuns; ++run) {
        model.setMissing({});
        settle();
        QEventLoop loop;
        QElapsedTimer timer;
        double markedMs = -1;
        const QMetaObject::Connection marked =
            QObject::connect(&model, &QAbstractItemModel::dataChanged, &loop,
                             [&](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                                 if (!roles.contains(Qt::ForegroundRole))
                                     return;
                                 markedMs = double(timer.nsecsElapsed()) / 1e6;
                                 loop.quit();
                             });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        GapWatch gaps;
        timer.start();
        gaps.start();
        list.lookForMissing();
        loop.exec();
        QObject::disconnect(marked);
        // The marks' repaint comes in the next turns of the loop.
        runEventLoop(100);
        gaps.stop();
        longestGap = std::max(longestGap, gaps.longest());
        times.push_back(markedMs);
        for (int row = 0; row < model.count(); ++row)
            allMarked = allMarked && model.isMissing(row);
    }
    if (!allMarked)
        std::fprintf(stderr, "missing check: not every entry was marked missing\n");
    std::sort(times.begin(), times.end());
    std::printf("missing_check %.1f\n", times[times.size() / 2]);
    std::printf("missing_longest_gap %.1f\n", longestGap);
}

// The finder's search over a tree, as the user starts it, and the longest time the interface went without
// running its event loop meanwhile. Each search starts as the previous finder, holding the previous search's
// results, is closed, so its window and results are freed while the walk runs.
void benchSearch(AppContext &context, UiWindowHost &windows, const QString &tree)
{
    context.settings.mp3Folder = tree;
    std::vector<double> times;
    double longestGap = 0;
    qsizetype found = 0;
    FinderWindow *previous = nullptr;
    for (int run = 0; run < kRuns; ++run) {
        windows.openFinder(FinderMode::Mp3Files);
        auto *finder = windows.frame()->findChildren<FinderWindow *>().constLast();
        // The new window's first paint is not part of the search.
        runEventLoop(200);
        QEventLoop loop;
        QObject::connect(finder, &FinderWindow::searchFinished, &loop, &QEventLoop::quit);
        QElapsedTimer timer;
        GapWatch gaps;
        timer.start();
        gaps.start();
        finder->searchOrStop();
        if (previous)
            previous->parentWidget()->close();
        loop.exec();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        gaps.stop();
        longestGap = std::max(longestGap, gaps.longest());
        found = finder->resultList()->model()->rowCount();
        previous = finder;
    }
    std::sort(times.begin(), times.end());
    std::printf("search_found %lld\n", static_cast<long long>(found));
    std::printf("search %.1f\n", times[times.size() / 2]);
    std::printf("search_longest_gap %.1f\n", longestGap);

    // Closing the last finder, until its window and results are gone.
    QElapsedTimer closing;
    closing.start();
    QEventLoop deleted;
    QObject::connect(previous, &QObject::destroyed, &deleted, &QEventLoop::quit);
    previous->parentWidget()->close();
    deleted.exec();
    std::printf("finder_close %.1f\n", double(closing.nsecsElapsed()) / 1e6);

    // The settings dialog's player search walks the same way, for one name.
    std::vector<double> playerTimes;
    QString player;
    for (int run = 0; run < kRuns; ++run) {
        std::atomic<bool> stop{false};
        QElapsedTimer timer;
        timer.start();
        FolderWalk::search(
            tree, QStringLiteral("winamp.exe"), stop, [&player](const PathBatch &found) { player = found.last(); },
            FolderWalk::Threads::Two);
        playerTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(playerTimes.begin(), playerTimes.end());
    std::printf("player_search %.1f\n", playerTimes[playerTimes.size() / 2]);
    std::fprintf(stderr, "player found: %s\n", qPrintable(player));
}

// A list far past the usual: opened as the user opens it, until its window shows it whole; the most memory the
// process took for it (its file's size in MB is the anchor), and the longest pause of the interface meanwhile.
void benchHugeList(AppContext &context, const QString &path)
{
    const long before = statusKb();
    GapWatch gaps;
    QElapsedTimer timer;
    gaps.start();
    timer.start();
    PlayList *list = openAndWait(context, path);
    settle();
    const double shownMs = double(timer.nsecsElapsed()) / 1e6;
    // The first paints and whatever the window does next, as the user starts to look.
    runEventLoop(1000);
    gaps.stop();
    std::printf("huge_entries %d\n", list ? list->model().count() : 0);
    std::printf("huge_shown %.1f\n", shownMs);
    std::printf("huge_peak_mb %.1f\n", double(statusKb("VmHWM:") - before) / 1024.0);
    std::printf("huge_file_mb %.1f\n", double(QFileInfo(path).size()) / (1024.0 * 1024.0));
    std::printf("huge_longest_gap %.1f\n", gaps.longest());
}

// An MP3 file of a few silent frames after an ID3v2.3 tag naming its artist and title, as a tag editor writes it.
QByteArray taggedMp3(const QByteArray &artist, const QByteArray &title)
{
    const auto frame = [](const char *id, const QByteArray &text) -> QByteArray {
        const QByteArray data = '\0' + text; // ISO-8859-1
        QByteArray bytes(id);
        for (const int shift : {24, 16, 8, 0})
            bytes.append(char((data.size() >> shift) & 0xFF));
        return bytes + QByteArray(2, '\0') + data;
    };
    const QByteArray frames = frame("TPE1", artist) + frame("TIT2", title);
    QByteArray tag = "ID3\x03\x00\x00"_ba;
    for (const int shift : {21, 14, 7, 0})
        tag.append(char((frames.size() >> shift) & 0x7F));
    const QByteArray mpegFrame = "\xFF\xFB\x90\x64"_ba + QByteArray(417 - 4, '\0');
    return tag + frames + mpegFrame.repeated(40);
}

// Titles from Tags on a list of tagged files: the time until every entry has its title, and the longest pause of
// the interface meanwhile.
void benchTags(AppContext &context, const QString &folder, int files)
{
    QList<QByteArray> paths;
    for (int i = 0; i < files; ++i) {
        const QString path = folder + u"/%1/track %2.mp3"_s.arg(i / 100).arg(i);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            !file.write(taggedMp3("Artist " + QByteArray::number(i % 97), "Title " + QByteArray::number(i))))
            return;
        paths.append(QFile::encodeName(path));
    }
    const QString listPath = folder + u"/tagged.m3u"_s;
    if (!writeList(listPath, paths))
        return;
    std::vector<double> times;
    double longest = 0;
    for (int run = 0; run < 3; ++run) {
        PlayList *list = openAndWait(context, listPath);
        if (!list)
            return;
        letOpeningLookFinish(*list);
        GapWatch gaps;
        QElapsedTimer timer;
        gaps.start();
        timer.start();
        list->titlesFromTags();
        while (list->isReadingTags())
            runEventLoop(5);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        gaps.stop();
        longest = std::max(longest, gaps.longest());
        if (!list->model().isExtended())
            std::fprintf(stderr, "titles from tags changed nothing\n");
        list->markClean();
        list->close();
        settle();
    }
    std::sort(times.begin(), times.end());
    std::printf("tags %.1f\n", times[times.size() / 2]);
    std::printf("tags_files %d\n", files);
    std::printf("tags_longest_gap %.1f\n", longest);
}

int main(int argc, char *argv[])
{
    // Off screen unless told otherwise (QT_QPA_PLATFORM=xcb under xvfb-run shows the figures of a real display).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tunary_bench LIST.m3u [--plain] | --tree DIR | --huge FILE | --tags DIR\n");
        return 2;
    }
    const QString listPath = QString::fromLocal8Bit(argv[1]);

    QuietBoxes boxes;
    NoStarter starter;
    BenchFolders folders;
    NoDrives drives;
    NoRegistry registry;
    AppContext context({boxes, starter, folders, drives, registry});
    UiWindowHost windows(context);
    windows.loadFrame();
    if (listPath == u"--huge"_s && argc > 2) {
        benchHugeList(context, QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (listPath == u"--tags"_s && argc > 2) {
        benchTags(context, QString::fromLocal8Bit(argv[2]), 10000);
        return 0;
    }
    if (listPath == u"--tree"_s && argc > 2) {
        benchSearch(context, windows, QString::fromLocal8Bit(argv[2]));
        return 0;
    }

    PlayList *list = nullptr;
    // Closes the open lists, and runs the event loop until their windows are gone: the next figure is not to
    // include their end.
    auto closeAll = [&] {
        bool closed = false;
        for (int slot = 2; slot <= context.lists.size(); ++slot) {
            if (PlayList *open = OpenLists::playListAt(context, slot)) {
                open->markClean();
                open->close();
                closed = true;
            }
        }
        if (closed) {
            settle();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            settle();
        }
        list = nullptr;
    };
    auto loadFile = [&](const QString &path) {
        closeAll();
        list = openAndWait(context, path);
        settle();
    };
    auto load = [&] { loadFile(listPath); };

    // First, while no memory freed by earlier runs is there to be taken again.
    const long before = residentKb();
    load();
    if (!list) {
        std::fprintf(stderr, "tunary_bench: %s could not be opened as a list\n", argv[1]);
        return 1;
    }
    const double memoryMb = double(residentKb() - before) / 1024.0;
    closeAll();
    const double plainRead = medianMs([] {},
                                      [&] {
                                          QFile file(listPath);
                                          if (!file.open(QIODevice::ReadOnly))
                                              return;
                                          const QList<QByteArray> lines = file.readAll().split('\n');
                                          if (lines.isEmpty())
                                              std::fprintf(stderr, "empty list\n");
                                      });
    const double loadMs = medianMs(closeAll, load);
    std::printf("entries %d\n", list ? list->model().count() : 0);
    std::printf("plain_read %.1f\n", plainRead);
    std::printf("load %.1f\n", loadMs);
    std::printf("memory_mb %.1f\n", memoryMb);

    std::printf("sort %.1f\n", medianMs(load, [&] {
                    list->edit(Edit::Sort);
                    waitWhileBusy(*list);
                }));
    std::printf("remove_every_other %.1f\n",
                medianMs(
                    [&] {
                        load();
                        PlayListModel &model = list->model();
                        QItemSelection everyOther;
                        for (int row = 0; row < model.count(); row += 2)
                            everyOther.select(model.index(row), model.index(row));
                        model.selectionModel()->select(everyOther, QItemSelectionModel::ClearAndSelect);
                        settle();
                    },
                    [&] {
                        list->edit(Edit::RemoveSelected);
                        settle();
                    }));
    std::printf("select_all %.1f\n", medianMs(load, [&] {
                    list->edit(Edit::SelectAll);
                    settle();
                }));
    std::printf("clear %.1f\n", medianMs(load, [&] {
                    list->edit(Edit::Clear);
                    settle();
                }));
    std::printf("undo_clear %.1f\n", medianMs(
                                         [&] {
                                             load();
                                             list->edit(Edit::Clear);
                                             settle();
                                         },
                                         [&] {
                                             list->undo();
                                             settle();
                                         }));

    // The same entries under a folder that does not exist, so that none of their files can be there.
    const QList<QByteArray> lines = readLines(listPath);
    QList<QByteArray> missingLines;
    missingLines.reserve(lines.size());
    for (const QByteArray &line : lines)
        missingLines.append("/nonexistent/" + line);
    const QString missingPath = folders.dir.path() + u"/missing.m3u"_s;
    if (writeList(missingPath, missingLines)) {
        loadFile(missingPath);
        // A list near the size limit leaves no room for the longer paths: the growth table's lists, of paths
        // relative to a folder without music, are missing as they are.
        if (!list)
            loadFile(listPath);
        if (list)
            benchMissing(*list);
    }

    // As many entries, every other one the same file as an entry before it: half of them go.
    QList<QByteArray> repeating;
    repeating.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        repeating.append(i % 2 == 0 ? lines[i / 2] : lines[i / 4]);
    const QString repeatingPath = folders.dir.path() + u"/repeating.m3u"_s;
    if (writeList(repeatingPath, repeating)) {
        int removed = 0;
        std::printf("remove_duplicates %.1f\n", medianMs(
                                                    [&] {
                                                        loadFile(repeatingPath);
                                                        letOpeningLookFinish(*list);
                                                    },
                                                    [&] {
                                                        const int before = list->model().count();
                                                        list->edit(Edit::RemoveDuplicates);
                                                        settle();
                                                        removed = before - list->model().count();
                                                    }));
        std::fprintf(stderr, "remove duplicates: %d of %lld entries removed\n", removed,
                     static_cast<long long>(repeating.size()));
    }

    const QString saved = folders.dir.path() + u"/saved.m3u"_s;
    std::printf("save %.1f\n", medianMs(
                                   [&] {
                                       load();
                                       list->setPath(saved);
                                   },
                                   [&] { saveAndWait(context, *list); }));

    // The same entries as players write them: a header, and a title line before each path (not for --plain).
    if (argc > 2 && argv[2] == std::string_view("--plain")) {
        closeAll();
        return 0;
    }
    QList<QByteArray> extended{"#EXTM3U"};
    extended.reserve(2 * lines.size() + 1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        extended.append("#EXTINF:" + QByteArray::number(i % 600) + ",Artist " + QByteArray::number(i % 997) +
                        " - Title " + QByteArray::number(i));
        extended.append(lines[i]);
    }
    const QString extendedPath = folders.dir.path() + u"/extended.m3u"_s;
    if (writeList(extendedPath, extended)) {
        const auto loadExtended = [&] { loadFile(extendedPath); };
        std::printf("extended_load %.1f\n", medianMs(closeAll, loadExtended));
        std::printf("extended_sort %.1f\n", medianMs(loadExtended, [&] {
                        list->edit(Edit::Sort);
                        waitWhileBusy(*list);
                    }));
        std::printf("extended_save %.1f\n", medianMs(
                                                [&] {
                                                    loadExtended();
                                                    list->setPath(saved);
                                                },
                                                [&] { saveAndWait(context, *list); }));
    }
    closeAll();
    return 0;
}
