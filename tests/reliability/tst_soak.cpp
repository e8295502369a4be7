// SPDX-License-Identifier: MIT

// A long run of random work across several lists, from a fixed seed: opening, editing, saving, playing and
// closing. Every saved file must read back as its list was when saved, and memory must not keep growing.
#include <QRandomGenerator>
#include <QTest>

#include "support/TestApp.h"

using namespace Qt::StringLiterals;
using namespace OpenLists;
using namespace Player;
using Edit = PlayList::Edit;

namespace {

long residentKb()
{
    const QByteArray status = readFile(u"/proc/self/status"_s);
    return status.mid(status.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLong();
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void thousandRounds()
    {
        TestApp app;
        app.host.loadFrame();
        QRandomGenerator random(20261206);
        auto pick = [&random](qsizetype size) { return int(random.bounded(size)); };
        QHash<QString, QByteArray> saved; // file -> what its list held when it was saved
        auto reopened = [&app](const QString &file) {
            PlayList *list = openRead(app.context, file);
            return list ? M3UFile::format(list->model(), ListEncoding::EightBit) : QByteArray();
        };
        long startKb = 0;
        for (int round = 0; round < 1000; ++round) {
            if (round == 100)
                startKb = residentKb(); // after the first lists and files exist
            QList<PlayList *> open;
            for (int slot = 2; slot <= app.context.lists.size(); ++slot) {
                if (PlayList *list = playListAt(app.context, slot); list && !app.context.lists.slotAt(slot).isFree)
                    open.append(list);
            }
            PlayList *list = open.isEmpty() ? nullptr : open[pick(open.size())];
            const int count = list ? list->model().count() : 0;
            switch (open.size() < 2 ? 0 : pick(8)) {
            case 0: { // a new list, or one saved earlier
                const QString file =
                    saved.isEmpty() || random.bounded(2) ? QString() : saved.keys()[pick(saved.size())];
                if (file.isEmpty())
                    newPlayList(app.context);
                else
                    QCOMPARE(reopened(file), saved[file]);
                break;
            }
            case 1: // entries dropped onto a list
                for (int i = pick(30); i >= 0; --i)
                    list->drop(entriesOf({u"/music/"_s + QString::number(pick(500)) + u" song.mp3"_s}));
                break;
            case 2:
            case 3: { // an edit, with a caret and a selection somewhere
                PlayListModel &model = list->model();
                model.selectionModel()->setCurrentIndex(model.index(count ? pick(count) : -1),
                                                        QItemSelectionModel::NoUpdate);
                for (int i = 0; count && i < 3; ++i)
                    model.selectionModel()->select(model.index(pick(count)), QItemSelectionModel::Select);
                list->edit(Edit(pick(8)));
                break;
            }
            case 4: // saved under a name of its own
                list->setPath(app.folders.root() + u"/list-"_s + QString::number(pick(12)) + u".m3u"_s);
                QVERIFY(saveSmallList(app.context, *list).isEmpty());
                saved[list->path()] = M3UFile::format(list->model(), ListEncoding::EightBit);
                break;
            case 5:
                play(app.context, *list, PlayMode::All);
                break;
            default: // closed, answering No when asked
                app.boxes.answers = {MessageAnswer::No};
                QVERIFY(queryClose(app.context, *list, false));
                app.context.lists.slotAt(list->slot()).isFree = true;
                app.host.discardPlayListWindow(list);
            }
        }
        for (auto file = saved.constBegin(); file != saved.constEnd(); ++file)
            QCOMPARE(reopened(file.key()), file.value());
        const long growth = residentKb() - startKb;
        qInfo("memory grew by %ld kB over 900 rounds", growth);
        QVERIFY(growth < 40L * 1024);
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
