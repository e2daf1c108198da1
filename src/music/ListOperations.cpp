#include "music/ListOperations.h"
#include "platform/FileCopy.h"

#include "platform/ProgramFolder.h"

#include <QDateTime>
#include <QFile>
#include <QItemSelectionModel>
#include <QListWidget>

namespace trelvan {

namespace {

ShuffleSeedSource& seedSource() {
    static ShuffleSeedSource source;
    return source;
}

} // namespace

QStringList listEntries(const QListWidget* list) {
    QStringList entries;
    const int count = list->count();
    entries.reserve(count);
    for (int row = 0; row < count; ++row)
        entries.append(list->item(row)->text());
    return entries;
}

void replaceListEntries(QListWidget* list, const QStringList& entries) {
    const bool updates = list->updatesEnabled();
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(entries);
    list->setUpdatesEnabled(updates);
}

int selectedIndex(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void selectEntry(QListWidget* list, int row) {
    if (row >= 0 && row < list->count())
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void selectFirstEntry(QListWidget* list) {
    selectEntry(list, 0);
}

QString listWorkingCopy() {
    return programFolder() + QStringLiteral("temp.mp3");
}

bool makeListWorkingCopy(const QString& source) {
    // An entry naming the working copy itself is gone once it is removed, and
    // counts as missing.
    return copyReplacing(source, listWorkingCopy());
}

void setShuffleSeedSource(ShuffleSeedSource source) {
    seedSource() = std::move(source);
}

quint32 nextShuffleSeed() {
    if (seedSource())
        return seedSource()();
    return static_cast<quint32>(QDateTime::currentSecsSinceEpoch());
}

} // namespace trelvan
