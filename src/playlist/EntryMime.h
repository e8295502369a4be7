// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QMimeData>
#include <QStringList>

#include "playlist/PlayListModel.h"

/** What a drag between the program's lists carries: the dragged entries, in the source's order. */
namespace EntryMime {

/** The type of the program's own drags. */
QString mimeType();

/** Entries for a drag; file paths also go as file URLs, so other programs can take them. */
QMimeData *make(const QList<PlayListModel::Entry> &entries);

/** True when the data comes from one of the program's lists. */
bool hasEntries(const QMimeData *data);
QList<PlayListModel::Entry> entries(const QMimeData *data);

/** The rows of dragged items in list order, each once, whatever order they were selected in. */
QList<int> rowsInOrder(const QModelIndexList &indexes);

/** The local files and folders of a drag from another program, in its order. */
QStringList localPaths(const QMimeData *data);

} // namespace EntryMime
