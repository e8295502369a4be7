// SPDX-License-Identifier: MIT

// List files, entries and what the list commands do with them.
#include <algorithm>
#include <functional>

#include <QAbstractItemModelTester>
#include <QCollator>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "core/PlayerCommand.h"
#include "platform/EightBitText.h"
#include "playlist/ListSort.h"
#include "playlist/M3UFile.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;
using namespace OpenLists;
using namespace Player;
using Edit = PlayList::Edit;

namespace {

using Rows = QList<int>;

// A command on the entries 0, 1, 2 ...: what is left, selected, where the caret is, whether it is changed.
struct EditCase
{
    Edit edit;
    Rows selected{};
    int caret = -1;
    QString left{};
    Rows selectedAfter{};
    int caretAfter = -1;
    bool changed = true;
    int count = 5;
};

// Playing a list file (null: the one below): the play file after (null: the earlier one untouched), the box.
struct PlayCase
{
    PlayMode mode = PlayMode::Current;
    QByteArray played{};
    QByteArray file{};
    int caret = 1;
    QString fault{};
    bool afterErrorEight = false;
    QString box{};
};

// A started program with the window table set up, as after the frame has loaded.
struct Program : TestApp
{
    Program()
    {
        setUpWindowTable(context);
        context.settings.playerPath = u"/opt/player/play"_s;
    }

    PlayList &list(int slot) { return *playListAt(context, slot); }
    bool changed(int slot) const { return playListAt(context, slot)->isChanged(); }
    QString listFile(const QByteArray &bytes) const
    {
        writeFile(folders.root() + u"/lists/a.m3u"_s, bytes);
        return folders.root() + u"/lists/a.m3u"_s;
    }
};

// A list's head, entries (own lines, then the path) and tail as lines of text, each kind marked.
QStringList describe(const M3UContent &content)
{
    QStringList lines{u"encoding %1"_s.arg(int(content.encoding))};
    for (const EntryTexts::Ref ref : content.head)
        lines.append(u"head "_s + content.texts.lineText(ref));
    for (const PlayListModel::Entry &entry : content.entries()) {
        for (const QString &own : entry.ownLines)
            lines.append(u"own "_s + own);
        lines.append(u"path "_s + entry.line + (entry.windows1252 ? u" (1252)"_s : QString()));
    }
    for (const EntryTexts::Ref ref : content.tail)
        lines.append(u"tail "_s + content.texts.lineText(ref));
    return lines;
}

// The same, of UTF-8 or ASCII bytes, as a plain reading of them gives it: lines end at CR LF, CR or LF; the
// directives at the top are the head, lines starting with "#" go with the path after them, those after the last
// path are the tail.
QStringList describePlainly(const QByteArray &bytes)
{
    QStringList lines{u"encoding %1"_s.arg(
        int(bytes.startsWith("\xEF\xBB\xBF") ? ListEncoding::Utf8WithMark : ListEncoding::EightBit))};
    QStringList own;
    bool top = true;
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    for (const QByteArray &line : QByteArray(text).replace("\r\n", "\n").replace('\r', '\n').split('\n')) {
        if (line.isEmpty())
            continue;
        top = top && M3UFile::isListDirective(line);
        if (top)
            lines.append(u"head "_s + QString::fromUtf8(line));
        else if (line.startsWith('#'))
            own.append(u"own "_s + QString::fromUtf8(line));
        else
            lines += std::exchange(own, {}) + QStringList{u"path "_s + QString::fromUtf8(line)};
    }
    for (const QString &line : std::as_const(own))
        lines.append(u"tail"_s + line.sliced(3));
    return lines;
}
} // namespace

class TestPlayList : public QObject
{
    Q_OBJECT

private slots:
    // The lines a file gives (between "|"), and the bytes the unchanged list is saved as (null: the file's own).
    void readAndSaved_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QByteArray>("saved");
        const QString megabyte = QString(1 << 20, u'x');
        QTest::newRow("CR LF, header") << "#EXTM3U\r\n#EXTINF:1,A\r\nD:\\A.mp3\r\n#end\r\n"_ba << u"D:\\A.mp3"_s
                                       << QByteArray();
        QTest::newRow("LF, empty lines skipped") << "/1\n\n/2\n"_ba << u"/1|/2"_s << "/1\r\n/2\r\n"_ba;
        QTest::newRow("CR, last line unended") << "/1\r\r\nab"_ba << u"/1|ab"_s << "/1\r\nab\r\n"_ba;
        QTest::newRow("blanks kept, trimmed on saving")
            << " /1 \r\n  \r\n/2"_ba << u" /1 |  |/2"_s << "/1\r\n/2\r\n"_ba;
        QTest::newRow("a path after blanks that starts with #")
            << "  #1 \r\n/2"_ba << u"  #1 |/2"_s << "  #1\r\n/2\r\n"_ba;
        QTest::newRow("windows-1252 beside utf-8")
            << "D:\\\x93Hi\x94\r\n/Caf\xC3\xA9/\xD0\x96\r\n"_ba << u"D:\\“Hi”|/Café/Ж"_s << QByteArray();
        QTest::newRow("bytes no code page assigns, cut utf-8")
            << "/\x81\x8d\xff\r\nab\xc3\r\n"_ba << u"/\u0081\u008d\u00ff|ab\u00c3"_s << QByteArray();
        QTest::newRow("utf-8 mark not in the first entry")
            << "\xEF\xBB\xBF/Caf\xC3\xA9\n\xEF\xBB\xBF/b"_ba << u"/Café|\uFEFF/b"_s
            << "\xEF\xBB\xBF/Caf\xC3\xA9\r\n\xEF\xBB\xBF/b\r\n"_ba;
        QTest::newRow("starting like a mark, stays plain")
            << "\r\xfe\xff\xfe\r\n"_ba << u"þÿþ"_s << "\r\n\xfe\xff\xfe\r\n"_ba;
        QTest::newRow("utf-16, extended")
            << "\xFF\xFE#\0E\0X\0T\0M\0\x33\0U\0\n\0#\0x\0\n\0/\0a\0\n\0#\0t\0"_ba << u"/a"_s
            << "\xFF\xFE#\0E\0X\0T\0M\0\x33\0U\0\r\0\n\0#\0x\0\r\0\n\0/\0a\0\r\0\n\0#\0t\0\r\0\n\0"_ba;
        QTest::newRow("utf-16 little endian") << "\xFF\xFE/\0a\0\r\0\n\0"_ba << u"/a"_s << QByteArray();
        QTest::newRow("utf-16 big endian")
            << "\xFE\xFF\0/\0a\0\r\0\n\0 \0b\0\n"_ba << u"/a| b"_s << "\xFE\xFF\0/\0a\0\r\0\n\0b\0\r\0\n"_ba;
        QTest::newRow("own lines past ASCII before ASCII paths")
            << "#EXTINF:1,Caf\xe9\r\n/m/a.mp3\r\n#EXTINF:2,Caf\xc3\xa9\r\n#x\r\n/m/b.mp3\r\n#EXTINF:3,c\r\n/m/c.mp3\r\n"_ba
            << u"/m/a.mp3|/m/b.mp3|/m/c.mp3"_s << QByteArray();
        QTest::newRow("a megabyte long line") << megabyte.toUtf8() << megabyte << megabyte.toUtf8() + "\r\n";
        // Big enough to be split in two halves, with every kind of line end and Windows-1252 lines among them.
        QByteArray many, saved;
        QStringList manyLines;
        const QByteArray ends[] = {"\r\n", "\n", "\r", "\r\n\r\n"};
        for (int line = 0; line < 90000; ++line) {
            const QByteArray path = "/m/" + QByteArray(line % 7 == 0 ? "\xE9" : "\xC3\xA9") + QByteArray::number(line);
            many += path + ends[line % 4];
            saved += path + "\r\n";
            manyLines.append(EightBitText::decode(path));
        }
        QTest::newRow("90,000 lines") << many << manyLines.join(u'|') << saved;
    }

    // A list read from its file, as it is read (some megabytes in two halves, the first split while the rest is
    // still read), gives what a plain reading of its bytes does.
    void readAsItsBytesSay_data()
    {
        QTest::addColumn<QByteArray>("file");
        const auto entries = [](int count, const QByteArray &own, const QByteArray &end) {
            QByteArray bytes;
            for (int entry = 0; entry < count; ++entry)
                bytes += own + "/m/" + QByteArray::number(entry) + "/Caf\xC3\xA9 song.mp3" + end;
            return bytes;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("two bytes") << "/a"_ba;
        QTest::newRow("a megabyte and a half") << entries(40000, {}, "\r\n");
        QTest::newRow("own lines at the middle")
            << entries(12000, "#EXTINF:1,A\r\n#EXTVLCOPT:x\n#EXTINF:2,B\r\n#EXTINF:3,C\r", "\n") + "#end\r\n";
        QTest::newRow("a head past the first piece read")
            << "#EXTM3U\r\n" + QByteArray("#PLAYLIST:" + QByteArray(70, 'p') + "\r\n").repeated(2000) +
                   entries(30000, "#EXTINF:1,T\n", "\n");
        QTest::newRow("a mark, and lone CRs") << "\xEF\xBB\xBF" + entries(50000, {}, "\r");
        QTest::newRow("one line of two megabytes") << QByteArray(2 * 1024 * 1024, 'x');
    }

    void readAsItsBytesSay()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"list.m3u"_s);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        M3UContent content;
        QCOMPARE(M3UFile::read(path, content), QString());
        const QStringList plainly = describePlainly(file);
        QCOMPARE(describe(content), plainly);
        QCOMPARE(describe(M3UFile::parse(file)), plainly);
    }

    // A line is read as UTF-8 exactly when Qt's decoder takes it without an error: every byte after every
    // lead byte, with the boundaries of the two- to four-byte forms.
    void linesReadAsUtf8AsQtDecodes()
    {
        const QByteArray edges =
            "\x00\x41\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2\xDF\xE0\xED\xEE\xEF\xF0\xF4\xF5\xFF"_ba;
        int checked = 0;
        for (int lead = 0x80; lead <= 0xFF; ++lead) {
            for (const char second : edges) {
                for (const char third : edges) {
                    for (const QByteArray &tail : {QByteArray(), "\xBF"_ba, "\x80\x80"_ba}) {
                        const QByteArray line = "a" + QByteArray(1, char(lead)) + second + third + tail;
                        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
                        const QString decoded = utf8.decode(line);
                        const bool windows1252 = EntryTexts::flagsFor(line) != 0;
                        if (windows1252 != utf8.hasError())
                            QFAIL(qPrintable(u"the bytes "_s + QString::fromLatin1(line.toHex(' '))));
                        ++checked;
                    }
                }
            }
        }
        QCOMPARE(checked, 128 * 21 * 21 * 3);
    }

    void readAndSaved()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, lines);
        QFETCH(QByteArray, saved);
        const M3UContent content = M3UFile::parse(file);
        PlayListModel model;
        model.setContent(content.texts, content.refs, content.head, content.tail);
        QStringList read;
        for (int row = 0; row < model.count(); ++row)
            read.append(model.line(row));
        QCOMPARE(read.join(u'|'), lines);
        QCOMPARE(M3UFile::format(model, content.encoding), saved.isNull() ? file : saved);
        // The same entries given as texts (as a drop gives them) are saved the same.
        PlayListModel given;
        given.setEntries(content.entries());
        QCOMPARE(M3UFile::format(given, content.encoding),
                 M3UFile::format(model.texts(), model.refs(), content.encoding));
    }

    void edits_data()
    {
        QTest::addColumn<EditCase>("c");
        const Edit remove = Edit::RemoveSelected;
        const QString all = u"0 1 2 3 4"_s;
        QTest::newRow("two in the middle, caret below") << EditCase{remove, {2, 3}, 4, u"0 1 4"_s, {2}, 2};
        QTest::newRow("the first two, caret on the second") << EditCase{remove, {0, 1}, 1, u"2 3 4"_s, {0}, 0};
        QTest::newRow("caret above the removed") << EditCase{remove, {3}, 1, u"0 1 2 4"_s, {0, 1}, 1};
        QTest::newRow("no caret") << EditCase{remove, {1}, -1, u"0 2 3 4"_s, {}, -1};
        QTest::newRow("everything") << EditCase{remove, {0, 1, 2, 3, 4}, 1, QString(), {}, -1};
        QTest::newRow("nothing selected: caret and the one below") << EditCase{Edit::DeleteKey, {}, 1, all, {1, 2}, 1};
        QTest::newRow("nothing selected, caret on the last") << EditCase{remove, {}, 4, all, {4}, 4};
        Rows evens;
        QStringList odds;
        for (int i = 0; i < 80; i += 2) {
            evens.append(i);
            odds.append(QString::number(i + 1));
        }
        QTest::newRow("every other of 80") << EditCase{remove, evens, 79, odds.join(u' '), {39}, 39, true, 80};
        QTest::newRow("remove one, the selection moves up with its entries")
            << EditCase{Edit::RemoveOne, {0, 3}, 1, u"0 2 3 4"_s, {0, 2}, 1};
        QTest::newRow("remove the last one") << EditCase{Edit::RemoveOne, {0}, 4, u"0 1 2 3"_s, {0}, 3};
        QTest::newRow("remove one, no caret") << EditCase{Edit::RemoveOne, {0}, -1, all, {0}, -1, false};
        QTest::newRow("move down, the selection stays") << EditCase{Edit::MoveDown, {1}, 1, u"0 2 1 3 4"_s, {1}, 2};
        QTest::newRow("move up") << EditCase{Edit::MoveUp, {}, 2, u"0 2 1 3 4"_s, {}, 1};
        QTest::newRow("move up on the first") << EditCase{Edit::MoveUp, {}, 0, all, {}, 0};
        QTest::newRow("move down on the last") << EditCase{Edit::MoveDown, {}, 4, all, {}, 4};
        QTest::newRow("move down, no caret") << EditCase{Edit::MoveDown, {}, -1, all, {}, -1};
        QTest::newRow("clear") << EditCase{Edit::Clear, {1}, 1, QString(), {}, -1};
        QTest::newRow("select all") << EditCase{Edit::SelectAll, {}, 1, all, {0, 1, 2, 3, 4}, 1, false};
        QTest::newRow("sort") << EditCase{Edit::Sort, {1}, 1, all, {}, -1, false};
    }

    void edits()
    {
        QFETCH(EditCase, c);
        Program program;
        PlayListModel &model = program.list(newPlayList(program.context)).model();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < c.count; ++i)
            model.appendEntries(entriesOf({u"/m/"_s + QString::number(i) + u".mp3"_s}));
        for (int row : c.selected)
            model.selectionModel()->select(model.index(row), QItemSelectionModel::Select);
        model.selectionModel()->setCurrentIndex(model.index(c.caret), QItemSelectionModel::NoUpdate);
        program.list(2).edit(c.edit);
        QCOMPARE(namesOf(model), c.left);
        QCOMPARE(model.selectedRows(), c.selectedAfter);
        QCOMPARE(model.currentIndex(), c.caretAfter);
        QCOMPARE(program.changed(2), c.changed);
    }

    // Steps on the list c, a, b (saved as read). A list is changed exactly when its bytes differ from those
    // saved last, but for two marks: "~", the bytes differ by a sort alone, which is no change; "!", two edits
    // that cancel out, or a drop of nothing, are changes all the same.
    void changedMeansUnsaved_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("sort, sort, undo") << u"sort~ sort~ undo~ undo"_s;
        QTest::newRow("remove, undo, redo") << u"remove undo redo"_s;
        QTest::newRow("saved between, undone past the save") << u"remove save undo redo"_s;
        QTest::newRow("sorted and saved, sorted back") << u"sort~ save undo~ redo"_s;
        QTest::newRow("sort undone past the save, sorted anew") << u"sort~ save undo~ sort"_s;
        QTest::newRow("edit undone past the save, a sort instead") << u"remove save undo sort undo"_s;
        QTest::newRow("move, then sort") << u"move sort undo undo"_s;
        QTest::newRow("a move and its way back") << u"move move! undo undo"_s;
        QTest::newRow("clear, undo, redo, save") << u"clear undo redo save"_s;
        QTest::newRow("drop, undo") << u"drop undo"_s;
        QTest::newRow("drop of nothing, until saved") << u"nothing! undo! save"_s;
    }

    void changedMeansUnsaved()
    {
        QFETCH(QString, steps);
        Program program;
        const QString path = program.listFile("/m/c.mp3\r\n/m/a.mp3\r\n/m/b.mp3\r\n");
        QVERIFY(openRead(program.context, path));
        PlayList &list = program.list(2);
        QSignalSpy turns(&list, &PlayList::changedStateChanged);
        const QHash<QString, std::function<void()>> run{{u"sort"_s, [&list] { list.edit(Edit::Sort); }},
                                                        {u"remove"_s, [&list] { list.edit(Edit::RemoveOne); }},
                                                        {u"move"_s, [&list] { list.edit(Edit::MoveDown); }},
                                                        {u"clear"_s, [&list] { list.edit(Edit::Clear); }},
                                                        {u"undo"_s, [&list] { list.undo(); }},
                                                        {u"redo"_s, [&list] { list.redo(); }},
                                                        {u"save"_s, [&] { OpenLists::save(program.context, list); }},
                                                        {u"drop"_s, [&list] { list.drop(entriesOf({u"/m/d.mp3"_s})); }},
                                                        {u"nothing"_s, [&list] { list.drop({}); }}};
        bool was = false;
        for (QString step : steps.split(u' ')) {
            const QChar mark = step.back().isLetter() ? QChar() : step.back();
            list.model().selectionModel()->setCurrentIndex(list.model().index(0), QItemSelectionModel::NoUpdate);
            run[step.remove(u'~').remove(u'!')]();
            const QByteArray now = M3UFile::format(list.model(), list.encoding), saved = readFile(path);
            const QList<QByteArray> lines = now.split('\n'), savedLines = saved.split('\n');
            if (mark == u'~')
                QVERIFY2(now != saved && !list.isChanged() &&
                             std::is_permutation(lines.begin(), lines.end(), savedLines.begin(), savedLines.end()),
                         qPrintable(step));
            else if (mark == u'!')
                QVERIFY2(now == saved && list.isChanged(), qPrintable(step));
            else
                QVERIFY2(list.isChanged() == (now != saved), qPrintable(step));
            // The signal says each turn once, and nothing else.
            if (list.isChanged() != was)
                QCOMPARE(turns.takeFirst(), QVariantList{list.isChanged()});
            QVERIFY(turns.isEmpty());
            was = list.isChanged();
        }
    }

    void redoRepeatsTheFirstRun_data()
    {
        QTest::addColumn<int>("edit");      // -1: a drop
        QTest::addColumn<QString>("after"); // the paths the first run leaves, "$" the list's folder; "": not told here
        const QList<std::pair<Edit, QString>> checked{
            {Edit::RemoveMissing,
             u"a.mp3|#EXTINF:5,b>$/sub/b.mp3|@/c.mp3|#EXTINF:1,x>http://radio/x|$/a.mp3|#y>z://y"_s},
            {Edit::RemoveDuplicates,
             u"a.mp3|#EXTINF:5,b>$/sub/b.mp3|@/c.mp3|gone.mp3|#EXTINF:1,x>http://radio/x|#y>z://y"_s},
            {Edit::MakeRelative,
             u"a.mp3|#EXTINF:5,b>sub/b.mp3|@/c.mp3|gone.mp3|#EXTINF:1,x>http://radio/x|a.mp3|#y>z://y"_s},
            {Edit::MakeAbsolute,
             u"$/a.mp3|#EXTINF:5,b>$/sub/b.mp3|@/c.mp3|$/gone.mp3|#EXTINF:1,x>http://radio/x|$/a.mp3|#y>z://y"_s}};
        for (const auto &[edit, after] : checked)
            QTest::addRow("edit %d", int(edit)) << int(edit) << after;
        for (const Edit edit : {Edit::RemoveOne, Edit::RemoveSelected, Edit::DeleteKey, Edit::MoveUp, Edit::MoveDown,
                                Edit::Clear, Edit::Sort})
            QTest::addRow("edit %d", int(edit)) << int(edit) << QString();
        QTest::newRow("drop") << -1 << QString();
    }

    // Entries are resolved against the list's folder, as for playing; addresses name no file; an entry's own
    // lines (before ">") stay with it. Undone, an edit gives back the entries; done again, it ends exactly as its
    // first run did.
    void redoRepeatsTheFirstRun()
    {
        QFETCH(int, edit);
        QFETCH(QString, after);
        Program program;
        const QString folder = program.folders.root() + u"/lists"_s;
        const QString other = program.folders.root() + u"/other"_s;
        for (const QString &file : QStringList{folder + u"/a.mp3"_s, folder + u"/sub/b.mp3"_s, other + u"/c.mp3"_s})
            writeFile(file, "x");
        const auto lines = [&](QString text) {
            return text.replace(u"$"_s, folder)
                .replace(u"@"_s, other)
                .replace(u"/"_s, QDir::separator())
                .replace(u":\\\\"_s, u"://"_s)
                .replace(u"radio\\x"_s, u"radio/x"_s)
                .split(u'|');
        };
        const QStringList before =
            lines(u"a.mp3|#EXTINF:5,b>$/sub/b.mp3|@/c.mp3|gone.mp3|#EXTINF:1,x>http://radio/x|$/a.mp3|#y>z://y"_s);
        QVERIFY(openRead(program.context, program.listFile(before.join(u"\n"_s).replace(u'>', u'\n').toUtf8())));
        PlayList &list = program.list(2);
        PlayListModel &model = list.model();
        // The missing file is shown as such once a worker has looked; the others keep their path as tooltip.
        if (!after.isEmpty()) {
            QTRY_COMPARE(model.index(3).data(Qt::ToolTipRole).toString(), u"File not found"_s);
            QCOMPARE(model.index(0).data(Qt::ToolTipRole).toString(), before.first());
        }
        for (const int row : {1, 3, 4, 6})
            model.selectionModel()->select(model.index(row), QItemSelectionModel::Select);
        model.selectionModel()->setCurrentIndex(model.index(5), QItemSelectionModel::NoUpdate);
        const auto paths = [&model] {
            QStringList paths;
            for (int row = 0; row < model.count(); ++row)
                paths << model.entry(row).ownLines.join(u'>') + (model.entry(row).ownLines.isEmpty() ? u""_s : u">"_s) +
                             model.entryPath(row);
            return paths;
        };
        const auto state = [&] { return std::tuple(paths(), model.selectedRows(), model.currentIndex()); };
        if (edit < 0)
            list.drop(entriesOf({u"/m/x.mp3"_s, u"/m/y.mp3"_s}));
        else
            list.edit(Edit(edit));
        const auto firstRun = state();
        QVERIFY(paths() != before);
        if (!after.isEmpty())
            QCOMPARE(paths(), lines(after));
        list.undo();
        QCOMPARE(paths(), before);
        list.redo();
        QVERIFY(state() == firstRun);
    }

    // A path with a drive letter names a file of Windows, where letter case does not tell files apart, accented
    // letters included; other paths are told apart by it.
    void duplicatesLetterCase()
    {
        Program program;
        PlayList &list = program.list(newPlayList(program.context));
        list.model().appendEntries(entriesOf(
            {u"D:\\Music\\Song.mp3"_s, u"d:\\MUSIC\\song.MP3"_s, u"D:/Music/Song.mp3"_s, u"D:\\Café\\Été.mp3"_s,
             u"d:\\CAFÉ\\été.MP3"_s, u"D:\\Cafe\\Ete.mp3"_s, u"/m/Song.mp3"_s, u"/m/song.mp3"_s, u"/m/Song.mp3"_s}));
        list.edit(Edit::RemoveDuplicates);
        QStringList paths;
        for (int row = 0; row < list.model().count(); ++row)
            paths << list.model().entryPath(row);
        QCOMPARE(paths, (QStringList{u"D:\\Music\\Song.mp3"_s, u"D:\\Café\\Été.mp3"_s, u"D:\\Cafe\\Ete.mp3"_s,
                                     u"/m/Song.mp3"_s, u"/m/song.mp3"_s}));
    }

    void sortOrder_data()
    {
        QTest::addColumn<int>("copies");
        QTest::newRow("a few entries") << 1;
        QTest::newRow("enough to sort on two threads") << 3000;
    }

    void sortOrder()
    {
        // A shorter title first when it begins a longer one; equal titles by their paths; accents after the
        // plain letter; letter case ignored; equal entries in the order they had.
        QFETCH(int, copies);
        const QStringList sorted{u"/a/apple"_s,   u"/z/Apple"_s,    u"/a/apple pie"_s, u"/é/Éclair"_s,
                                 u"/a/Eclipse"_s, u"/a/Track 10"_s, u"/a/Track 2"_s,   u"/b/Zebra"_s};
        PlayListModel model;
        for (int copy = 0; copy < copies; ++copy) {
            for (int row : {7, 2, 1, 0, 3, 4, 5, 6})
                model.appendEntries(entriesOf({sorted[row] + u".mp3"_s}));
        }
        QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        const std::vector<int> order = ListSort::order(model.texts(), model.refs(), collator);
        model.reorder(order, true);
        QStringList expected;
        for (const QString &path : sorted)
            expected.append(QList<QString>(copies, path));
        QStringList paths;
        for (int row = 0; row < model.count(); ++row)
            paths.append(model.data(model.index(row), Qt::ToolTipRole).toString().chopped(4));
        QCOMPARE(paths, expected);
        for (int row = 1; row < model.count(); ++row) {
            if (paths[row] == paths[row - 1] && order[size_t(row)] < order[size_t(row - 1)])
                QFAIL(qPrintable(u"equal entries changed places at row %1"_s.arg(row)));
        }
        QCOMPARE(model.data(model.index(0)).toString(), u"apple"_s);
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<bool>("sort");
        QTest::addColumn<QString>("titles"); // null: the list cannot be read
        // A title: the line without its last four characters, from after its last "\" or "/".
        QTest::newRow("read") << "#EXTM3U\r\nD:\\MP3\\Song.mpeg\r\nab\r\nC:\\a\\b.mp\r\n/m/b.mp3"_ba << false
                              << u"Song. ab  b"_s;
        QTest::newRow("other music formats lose their whole extension")
            << "/m/a.flac\r\n/m/b.Opus\r\nc.WV\r\n/m/d.ogg\r\n/m/e.aiff\r\n/m/f.xflac"_ba << false
            << u"a b c d e f.x"_s;
        QTest::newRow("sorted when the settings say so") << "/m/b.mp3\n/m/c.mp3\n/m/a.mp3"_ba << true << u"a b c"_s;
        QTest::newRow("missing") << QByteArray() << false << QString();
    }

    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, sort);
        QFETCH(QString, titles);
        Program program;
        program.context.settings.alwaysSort = sort ? u"True"_s : u"False"_s;
        newPlayList(program.context);
        const QString path = file.isNull() ? program.folders.root() + u"/a.m3u"_s : program.listFile(file);
        QCOMPARE(openRead(program.context, path) != nullptr, !titles.isNull());
        QCOMPARE(program.context.loadingSlot, 3);
        QVERIFY(program.boxes.shown.isEmpty());
        if (titles.isNull()) {
            // Nothing is shown, and the slot goes to the next list.
            QVERIFY(!playListAt(program.context, 3));
            QCOMPARE(newPlayList(program.context), 3);
            return;
        }
        QCOMPARE(program.list(3).caption(), path);
        QCOMPARE(namesOf(program.list(3).model()), titles);
        QVERIFY(!program.changed(3));
    }

    // An untitled list asks for a name; while the dialog is open, another request does nothing.
    void saveAsksForAName()
    {
        Program program;
        OpenLists::save(program.context, program.list(newPlayList(program.context)));
        saveAs(program.context, program.list(2));
        program.context.fileDialogOpen = false;
        saveAs(program.context, program.list(2));
        QCOMPARE(program.journal.filter(u"OpenFileDialog"_s), QStringList(2, u"OpenFileDialog 0 2"_s));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("frameClosing");
        QTest::addColumn<bool>("frameClosingAfter");
        QTest::newRow("yes") << MessageAnswer::Yes << false << false;
        QTest::newRow("no") << MessageAnswer::No << false << false;
        QTest::newRow("cancel") << MessageAnswer::Cancel << false << false;
        QTest::newRow("yes, frame closing") << MessageAnswer::Yes << true << true;
        QTest::newRow("no, frame closing") << MessageAnswer::No << true << true;
        QTest::newRow("cancel stops the frame closing") << MessageAnswer::Cancel << true << false;
    }

    void closeQuestion()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, frameClosing);
        QFETCH(bool, frameClosingAfter);
        Program program;
        newPlayList(program.context);
        program.list(2).markChanged();
        program.boxes.answers = {answer};
        const bool no = answer == MessageAnswer::No;
        QCOMPARE(queryClose(program.context, program.list(2), frameClosing), no);
        const MessageBoxRequest &box = program.boxes.shown.first();
        QCOMPARE(box.title + u'|' + box.text, u"Save First?|Save Changes to Untitled 1?"_s);
        QCOMPARE(box.buttons, MessageButtons::YesNoCancel);
        QCOMPARE(program.changed(2), !no);
        QCOMPARE(program.context.lists.slotAt(2).isFree, no);
        QCOMPARE(program.context.frameClosing, frameClosingAfter);
        // Yes: the dialog that saves and closes comes once the events waiting now have run.
        QVERIFY(program.journal.filter(u"OpenFileDialog"_s).isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(program.journal.filter(u"OpenFileDialog"_s),
                 answer == MessageAnswer::Yes ? QStringList{u"OpenFileDialog 1 2"_s} : QStringList());
        // After No, the next list takes the slot, and starts afresh; other closes keep the slot taken.
        QCOMPARE(newPlayList(program.context), no ? 2 : 3);
        QCOMPARE(program.changed(2), !no);
    }

    void play_data()
    {
        QTest::addColumn<PlayCase>("c");
        using enum PlayMode;
        const QByteArray one = "/m/a.mp3\r\n"_ba;
        QTest::newRow("current entry") << PlayCase{Current, "/m/b.mp3\r\n"_ba};
        QTest::newRow("selected entries in list order") << PlayCase{Selected, "/m/a.mp3\r\n$/rel/c.mp3\r\n"_ba};
        QTest::newRow("whole list, relative entries from the list's folder") << PlayCase{
            All, "/m/a.mp3\r\n/m/b.mp3\r\n$/rel/c.mp3\r\n#EXTINF:1,x\r\nhttp://radio/s.mp3\r\nD:\\m\\d.mp3\r\n"
                 "a1+b.c-d://s\r\n$/\xC3\xA9/f.mp3\r\n$/1:/g.mp3\r\n$/h.mp3\r\n$/i.mp3\r\n$/j\r\n$/\xE9/k.mp3\r\n"_ba};
        QTest::newRow("empty list") << PlayCase{Current, {}, ""_ba, -1, {}, false, u"Error Number: 5"_s};
        QTest::newRow("empty list after error 8: silent once") << PlayCase{Current, {}, ""_ba, -1, {}, true};
        QTest::newRow("player missing") << PlayCase{Current, one, one, 0, u"gone"_s, false, u"Error Number: 2"_s};
        QTest::newRow("no current entry does nothing") << PlayCase{Current, {}, one, -1};
    }

    void play()
    {
        QFETCH(PlayCase, c);
        Program program;
        const QByteArray list = "/m/a.mp3\r\n  /m/b.mp3  \r\nrel\\c.mp3\r\n#EXTINF:1,x\r\nhttp://radio/s.mp3\r\n"
                                "D:\\m\\d.mp3\r\na1+b.c-d://s\r\n\xC3\xA9/f.mp3\r\n1:/g.mp3\r\n./h.mp3\r\n"
                                "x/../i.mp3\r\nj/\r\n\xE9/k.mp3"_ba;
        const QString path = program.listFile(c.file.isNull() ? list : c.file);
        QVERIFY(openRead(program.context, path));
        PlayListModel &model = program.list(2).model();
        model.selectionModel()->select(model.index(2), QItemSelectionModel::Select);
        model.selectionModel()->select(model.index(0), QItemSelectionModel::Select);
        model.selectionModel()->setCurrentIndex(model.index(c.caret), QItemSelectionModel::NoUpdate);
        program.starter.failWith = c.fault;
        program.context.skipNextPlayError = c.afterErrorEight;

        Player::play(program.context, program.list(2), c.mode);
        QCOMPARE(program.starter.calls.size(), c.played.isNull() ? 0 : 1);
        if (!c.played.isNull()) {
            // The play file is the player's one argument; a player that cannot start leaves none behind.
            const QStringList arguments = program.starter.calls.first().arguments;
            QCOMPARE(arguments.size(), 1);
            QCOMPARE(readFile(arguments.first()),
                     c.fault.isEmpty() ? QByteArray(c.played).replace('$', QFileInfo(path).path().toUtf8()) : "");
        }
        QCOMPARE(program.boxes.shown.size(), c.box.isEmpty() ? 0 : 1);
        if (!c.box.isEmpty()) {
            QCOMPARE(program.boxes.shown.first().title, c.box);
            QVERIFY(program.boxes.shown.first().text.endsWith(u"Error rised: "_s + c.fault));
        }
        QVERIFY(!program.context.skipNextPlayError);
        if (c.file.isNull())
            QCOMPARE(model.entryPath(2), u"rel\\c.mp3"_s); // the list keeps its entries as they were
    }

    // The player setting read as a shell reads a command, never run through one: the program, and the arguments
    // for playing /run/p.m3u (between "|"); then those for starting it without a file.
    void playerCommands_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("withoutFile");
        const QString file = u"/run/p.m3u"_s;
        QTest::newRow("empty") << u"  "_s << QString() << file << QString();
        QTest::newRow("a bare path with blanks that exists")
            << u"@/my player/play"_s << u"@/my player/play"_s << file << QString();
        QTest::newRow("quoted program with arguments")
            << u"'/opt/my player/mpv' --a  --b"_s << u"/opt/my player/mpv"_s << u"--a|--b|/run/p.m3u"_s << u"--a|--b"_s;
        QTest::newRow("%f in the middle")
            << u"vlc --playlist=%f --x"_s << u"vlc"_s << u"--playlist=/run/p.m3u|--x"_s << u"--x"_s;
        QTest::newRow("a backslash takes the blank")
            << u"my\\ player c"_s << u"my player"_s << u"c|/run/p.m3u"_s << u"c"_s;
        QTest::newRow("double quotes, an escaped quote, %%")
            << u"\"x\\\"y\" 100%% \"%f\""_s << u"x\"y"_s << u"100%|/run/p.m3u"_s << u"100%"_s;
        QTest::newRow("a quote left open") << u"mpv 'a b"_s << u"mpv"_s << u"a b|/run/p.m3u"_s << u"a b"_s;
    }

    void playerCommands()
    {
        QFETCH(QString, setting);
        QFETCH(QString, program);
        QFETCH(QString, arguments);
        QFETCH(QString, withoutFile);
        QTemporaryDir folder;
        writeFile(folder.path() + u"/my player/play"_s);
        const PlayerCommand command = PlayerCommand::parse(setting.replace(u'@', folder.path()));
        QCOMPARE(command.program, program.replace(u'@', folder.path()));
        QCOMPARE(command.argumentsFor(u"/run/p.m3u"_s).join(u'|'), arguments);
        QCOMPARE(command.argumentsWithoutFile().join(u'|'), withoutFile);
        // A command for a player found on PATH reads back as its program, whatever its folder is called.
        QCOMPARE(PlayerCommand::parse(PlayerCommand::presetFor(u"/o'k dir/vlc"_s)).program, u"/o'k dir/vlc"_s);
    }

    // Dropped entries are appended in order, unselected, duplicates kept (a press just before: see the window tests).
    void drops()
    {
        Program program;
        PlayList &list = program.list(newPlayList(program.context));
        list.model().appendEntries(entriesOf({u"/m/a.mp3"_s}));
        QVERIFY(list.drop(entriesOf({u"/m/a.mp3"_s, u"/m/x.mp3"_s})));
        QCOMPARE(namesOf(list.model()), u"a a x"_s);
        QVERIFY(list.model().selectedRows().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlayList)
#include "tst_playlist.moc"
