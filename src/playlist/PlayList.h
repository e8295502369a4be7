// SPDX-License-Identifier: MIT

#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QFutureWatcher>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <QUndoStack>

#include "playlist/M3UFile.h"
#include "playlist/MovedFiles.h"
#include "playlist/PlayListModel.h"

/** How far a play file being written off the interface thread has come, out of about total bytes, and a stop. */
struct PlayProgress
{
    std::atomic<qint64> written{0};
    qint64 total = 0;
    std::atomic<bool> stop{false};
};

/**
 * The document a play-list window shows: its entries, their undo history and whether they are saved, its
 * file, its slot in the window table, the player it plays with, and the font of its list. The window tells
 * it what the user asked for; its edits are steps of its undo stack, each doing its change in redo().
 */
class PlayList : public QObject
{
    Q_OBJECT

public:
    /** The slot of a list not placed in the window table yet; slots run from 1. */
    static constexpr int kNoSlot = 0;

    /** The editing commands of a play-list window's menus and keys. */
    enum class Edit {
        RemoveOne,
        RemoveSelected,
        DeleteKey,
        MoveUp,
        MoveDown,
        SelectAll,
        Clear,
        Sort,
        /** Removes the entries whose file does not exist. */
        RemoveMissing,
        /** Keeps the first of the entries that name the same file. */
        RemoveDuplicates,
        /** Entries in the list's folder or below it become relative to it. */
        MakeRelative,
        /** Relative entries become absolute paths. */
        MakeAbsolute,
    };

    /** How reading the list's file ended. */
    enum class ReadOutcome { Read, Failed, TooLarge, Cancelled };
    /** Hears how a read ended, with the list; with none when the list went while its file was read. */
    using WhenRead = std::function<void(ReadOutcome, PlayList *)>;

    explicit PlayList(QObject *parent = nullptr);
    ~PlayList() override;

    PlayListModel &model() { return m_model; }
    const PlayListModel &model() const { return m_model; }
    /** The list's changes to undo and redo; clean where the list was last opened or saved. */
    QUndoStack &undoStack() { return m_undo; }
    const QUndoStack &undoStack() const { return m_undo; }

    /**
     * True when the list has changes that were not saved: a step other than a sort lies between where it was
     * opened or saved and where it is now, in either direction, or it was marked changed.
     */
    bool isChanged() const { return m_changed; }
    /** Marks the list changed until it is saved, whatever is undone (a recovered list, a drop of nothing). */
    void markChanged();
    /** The list as it is now counts as saved: after a save, or when its changes were given up. */
    void markClean();
    /** Starts the list's history afresh, unchanged: a new or newly read list. */
    void resetHistory();

    /** The list's file; empty while the list has never been saved under a name. */
    QString path() const { return m_path; }
    void setPath(const QString &path);
    bool isUntitled() const { return m_path.isEmpty(); }
    /** The folder of the list's file, against which relative entries are resolved; empty while untitled. */
    QString folder() const;
    /** The window's caption: the list's file, or "Untitled " and the slot number less one. */
    QString caption() const;

    int slot() const { return m_slot; }
    /** Places the list in a slot before its file is set: an untitled list's caption comes from its slot. */
    void setSlot(int slot) { m_slot = slot; }

    QString listFont() const { return m_listFont; }
    void setListFont(const QString &font);

    /** The player this window plays with, taken from the settings when the window was set up. */
    QString playerPath;
    /** How the list's file stores its text; a new list is plain 8-bit text. */
    ListEncoding encoding = ListEncoding::EightBit;

    /** Asks the window to take a size given in twips (15 twips to a pixel). */
    void setSizeTwips(int width, int height);
    QSize sizePixels() const { return m_size; }

    /**
     * What a list is doing off the interface thread while the user waits for it. A busy list (reading, splitting,
     * sorting, saving) takes no edits and is not saved or played; a list whose play is being written is not busy.
     */
    enum class Work { None, Reading, Splitting, Sorting, Saving, Playing };
    Work work() const { return m_work; }
    bool isBusy() const { return m_work != Work::None && m_work != Work::Playing; }
    /**
     * How far the work has come, in thousandths; -1 when there is none. It only goes forward while one piece
     * of work goes on: a read, and the sort and the play that follow it, share the bar out among them.
     */
    int workProgress() const { return m_workProgress; }
    /**
     * Stops the work: a read opens nothing, a sort leaves the order as it was, a save leaves the file as it was,
     * and a play does not reach the player.
     */
    void cancelWork() { emit workCancelRequested(); }

    /** What follows reading a list's file: it is shown, and sorted and played when these are set. */
    enum class AfterRead { Show = 0x0, Sort = 0x1, Play = 0x2 };
    Q_DECLARE_FLAGS(AfterReads, AfterRead)
    /** A read of a list file, begun before its list was made. */
    struct Read;
    /**
     * Begins reading a list file on the application's list reader, so that the read goes on while the list and
     * its window are made; readFile() takes it, and the list's end stops it.
     */
    static std::shared_ptr<Read> beginRead(const QString &path);
    /**
     * Fills the list from the read of its file, going on in the background, and sorts it when asked (where
     * undoing stops). A file read within quietMs (none when 0) is taken before this returns, and whenRead hears
     * it then; a longer read asks the window to show with its progress at once, and whenRead hears it from the
     * event loop, once sorted. cancelWork() and the list's end stop the read. With Play, the progress goes on to
     * the play that whenRead starts.
     */
    void readFile(const std::shared_ptr<Read> &read, int quietMs, AfterReads afterRead, WhenRead whenRead);

    /**
     * A play of the list is being written off the interface thread: the list shows it as its work (from the
     * play's first tick on) until endPlaying() with the same progress. Cancel sets its stop.
     */
    void showPlaying(std::shared_ptr<PlayProgress> progress);
    void endPlaying(const PlayProgress *progress);

    /** Hears how a save ended: the system's description of a fault (none when saved), or that it was cancelled. */
    using WhenSaved = std::function<void(const QString &fault, bool cancelled)>;
    /**
     * Writes the entries to the list's file, replacing it whole or not at all. A small list is written before this
     * returns; a big one off the interface thread, while the list is busy, and whenSaved hears it from the event
     * loop. Should the list end meanwhile, the file is still written whole, and whenSaved hears nothing.
     */
    void saveFile(WhenSaved whenSaved);

    /** Runs an editing command, a step that can be undone (but selecting); a list being read takes none. */
    void edit(Edit edit);
    /**
     * Appends entries as one step that can be undone; the batches of one folder drop (same number) make one step.
     * On an extended list, entries without lines of their own get "#EXTINF" lines from their files' tags first,
     * read off the interface thread; the entries come in the order they were given either way.
     */
    void append(const QList<PlayListModel::Entry> &entries, int dropBatch = 0);
    /** Takes back (does again) the list's last change. */
    void undo();
    void redo();

    /** Drops are taken; not for a moment after a press on the list, when a drop is a click. */
    bool takesDrops() const { return m_takesDrops; }
    void setTakesDrops(bool takes) { m_takesDrops = takes; }
    /**
     * Entries dropped onto the list: appended, in order, unselected, duplicates kept; the list is marked
     * changed even when nothing comes. False, and nothing done, while the list takes no drops or is read.
     */
    bool drop(const QList<PlayListModel::Entry> &entries);

    /**
     * Gives every entry whose file can be read the "#EXTINF" line its tags make (in place of the first it has),
     * and makes the list an extended one ("#EXTM3U" first), as one step. The tags are read off the interface
     * thread; entries taken out meanwhile are left out, and other files keep their lines as they were.
     */
    void titlesFromTags();
    void stopReadingTags();
    bool isReadingTags() const { return m_tagRead != nullptr; }

    /**
     * Looks under the folder for files named as those of the entries whose file is missing, off the interface
     * thread; movedFilesFound tells what it found. The progress returned tells how far it has come, and stops it.
     */
    std::shared_ptr<MovedFileProgress> findMovedFiles(const EightBitText::Path &root);
    /**
     * Points the entries at the files chosen for them, each keeping its own lines, as one step; entries taken out
     * or changed meanwhile are left as they are.
     */
    void pointAtMovedFiles(const QList<MovedFile> &chosen);

    /** Looks, off the interface thread and a little later, for the files the entries name; missing ones show grey. */
    void checkMissing();
    /** The look itself, started at once. */
    void lookForMissing();
    bool isLookingForMissing() const { return m_lookWatcher.isRunning(); }

    /** Asks the window to show itself. */
    void show();
    /** Asks the window to close through its close request. */
    void close();

signals:
    /** isChanged() turned. */
    void changedStateChanged(bool changed);
    void captionChanged(const QString &caption);
    void listFontChanged(const QString &font);
    void sizeRequested(const QSize &pixels);
    void showRequested();
    void closeRequested();
    /** The list's work (see Work) changed, or came further. */
    void workChanged(PlayList::Work work, int thousandths);
    void workCancelRequested();
    /** What findMovedFiles() found: the best file for each entry it found one for, of so many entries missing. */
    void movedFilesFound(const QList<MovedFile> &found, bool stopped, int missing);
    /** How far titlesFromTags() has come, in thousandths; -1 once it is done. */
    void tagProgressChanged(int thousandths);

private:
    struct Sort;
    struct Save;
    struct TagRead;
    struct MovedLook
    {
        int generation = 0;
        QList<MovedFile> found;
        int missing = 0;
        bool stopped = false;
    };
    struct MissingLook
    {
        qsizetype textsSize = 0;
        QList<EntryTexts::Ref> refs;
        std::optional<std::vector<bool>> missing;
    };

    /** The part of the bar a piece of work takes, in thousandths, from the first to before the second. */
    std::pair<int, int> shareOf(Work work) const;
    void beginWork(Work work);
    void setWorkProgress(Work work, int thousandths);
    void showWorkProgress();
    void stopWork();
    void endWork();
    void takeRead();
    void endReading(ReadOutcome outcome);
    /** Sorts the entries as one step: true when done; a big list is sorted off the interface thread. */
    bool sortEntries();
    void startSort();
    void takeSort();
    void endSort();
    void takeSave();
    void takeMissingLook();
    void setUpTagWork();
    void stopTagWork();
    void takeTags();
    void appendNow(const QList<PlayListModel::Entry> &entries, int dropBatch);

    bool unsavedStepsLie() const;
    void updateChanged();
    /** Pushes an edit, which the stack does at once. */
    void push(QUndoCommand *command);
    /** The texts were renumbered: the history goes, a change not saved stays. */
    void forgetHistory();

    // The list's work off the interface thread: sorting and saving it, looking for its files. Declared
    // first, so that on the list's end it waits for that work only once the work has been told to stop.
    QThreadPool m_workers;
    PlayListModel m_model;
    QUndoStack m_undo;
    QString m_path;
    int m_slot = kNoSlot;
    QString m_listFont;
    QSize m_size;
    Work m_work = Work::None;
    int m_workProgress = -1;
    QTimer m_workProgressTimer;
    bool m_markedChanged = false;
    bool m_changed = false;
    bool m_takesDrops = true;
    std::shared_ptr<Read> m_read;
    WhenRead m_whenRead;
    AfterReads m_afterRead;
    std::shared_ptr<PlayProgress> m_play;
    QFutureWatcher<void> m_readWatcher;
    std::shared_ptr<Sort> m_sort;
    QFutureWatcher<void> m_sortWatcher;
    std::shared_ptr<Save> m_save;
    WhenSaved m_whenSaved;
    QFutureWatcher<void> m_saveWatcher;
    QFutureWatcher<MissingLook> m_lookWatcher;
    // Tags are read on a thread of their own, one piece of work after another, so entries added keep their order.
    QThreadPool m_tagWorkers;
    std::shared_ptr<TagRead> m_tagRead;
    QFutureWatcher<void> m_tagWatcher;
    QTimer m_tagProgress;
    std::shared_ptr<std::atomic<bool>> m_tagsStopped = std::make_shared<std::atomic<bool>>(false);
    int m_tagJobs = 0;
    QFutureWatcher<MovedLook> m_movedWatcher;
    std::shared_ptr<MovedFileProgress> m_movedLook;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PlayList::AfterReads)
