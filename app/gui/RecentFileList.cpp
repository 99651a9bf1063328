#include "app/gui/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString Key(int index) {
    return kSection + QStringLiteral("/File%1").arg(index + 1);
}

}  // namespace

RecentFileList::RecentFileList() {
    const QSettings settings;
    for (int i = 0; i < kSize; ++i) {
        const QString file = settings.value(Key(i)).toString();
        if (!file.isEmpty() && !files_.contains(file))
            files_.append(file);
    }
}

void RecentFileList::Add(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kSize) files_.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& file) {
    files_.removeAll(file);
    Save();
}

void RecentFileList::Save() const {
    QSettings settings;
    for (int i = 0; i < kSize; ++i) {
        if (i < files_.size()) {
            settings.setValue(Key(i), files_[i]);
        } else {
            settings.remove(Key(i));
        }
    }
}
