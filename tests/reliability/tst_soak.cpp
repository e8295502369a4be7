// A long run of random work across several lists, from a fixed seed: opening, editing, saving, playing and
// closing. Every saved file must hold what its list held when saved, and memory must not keep growing.
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTest>

#include "playlist/M3UFile.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;
using namespace PlayListCommands;

namespace {

long residentKb()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

QStringList paths(const PlayListModel &model)
{
    QStringList result;
    for (int row = 0; row < model.count(); ++row)
        result.append(model.entryPath(row));
    return result;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void thousandRounds();
};

void TestSoak::thousandRounds()
{
    constexpr int kRounds = 1000;
    constexpr long kGrowthBoundKb = 40 * 1024;
    TestApp app;
    app.host.loadFrame();
    QRandomGenerator random(20261206);
    QHash<QString, QStringList> saved; // file -> the paths its list held when it was saved
    long startKb = 0;

    for (int round = 0; round < kRounds; ++round) {
        if (round == 100)
            startKb = residentKb(); // after the first lists and files exist
        QList<PlayList *> open;
        for (int slot = 2; slot <= app.context.PlayLists.size(); ++slot) {
            if (PlayList *list = playListAt(app.context, slot);
                list && !app.context.PlayLists.ListSlotAt(slot).SlotFree)
                open.append(list);
        }
        const int action = open.size() < 2 ? 0 : int(random.bounded(10));
        PlayList *list = open.isEmpty() ? nullptr : open[int(random.bounded(qsizetype(open.size())))];
        switch (action) {
        case 0: { // a new list, or one saved earlier
            if (!saved.isEmpty() && random.bounded(2)) {
                const QString file = saved.keys()[int(random.bounded(qsizetype(saved.size())))];
                QVERIFY(LoadPlayList(app.context, file));
                QCOMPARE(paths(playListAt(app.context, app.context.LoadingSlot)->model()), saved[file]);
            } else {
                NewPlayList(app.context);
            }
            break;
        }
        case 1:
        case 2: { // entries dropped onto a list
            QList<PlayListModel::Entry> entries;
            const int count = int(random.bounded(1, 30));
            for (int i = 0; i < count; ++i)
                entries.append({u"/music/"_s + QString::number(random.bounded(500)) + u" song.mp3"_s, false});
            Lst1_DragDrop(app.context, *list, entries);
            break;
        }
        case 3:
        case 4: { // an edit, with a caret and a selection somewhere
            PlayListModel &model = list->model();
            if (model.count() > 0) {
                model.setCurrentIndex(int(random.bounded(model.count())));
                for (int i = 0; i < 3; ++i)
                    model.setSelected(int(random.bounded(model.count())), true);
            }
            runEdit(app.context, *list, Edit(random.bounded(8)));
            break;
        }
        case 5:
        case 6: { // saved under a name of its own
            const QString file = app.folders.root() + u"/list-"_s + QString::number(random.bounded(12)) + u".m3u"_s;
            list->setCaption(file);
            QVERIFY(saveit(app.context, *list).isEmpty());
            QStringList kept;
            for (const QString &path : paths(list->model())) {
                if (!path.isEmpty())
                    kept.append(path);
            }
            saved[file] = kept;
            break;
        }
        case 7:
            playsong(app.context, *list, 3);
            break;
        default: // closed, answering No when asked
            app.boxes.answers = {MessageAnswer::No};
            QVERIFY(Form_QueryUnload(app.context, *list, false));
            app.context.PlayLists.ListSlotAt(list->slot()).SlotFree = true;
            app.host.discardPlayListWindow(list);
            break;
        }
    }

    for (auto file = saved.constBegin(); file != saved.constEnd(); ++file) {
        M3UContent content;
        QVERIFY(M3UFile::read(file.key(), content).isEmpty());
        QStringList onDisk;
        for (const PlayListModel::Entry &entry : content.entries)
            onDisk.append(entry.line);
        QCOMPARE(onDisk, file.value());
    }
    const long growth = residentKb() - startKb;
    qInfo("memory grew by %ld kB over %d rounds (bound %ld kB)", growth, kRounds - 100, kGrowthBoundKb);
    QVERIFY(growth < kGrowthBoundKb);
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
