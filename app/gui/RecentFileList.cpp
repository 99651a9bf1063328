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
        if (!file.isEmpty() && !m_files.contains(file))
            m_files.append(file);
    }
}

void RecentFileList::Add(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize) m_files.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& file) {
    m_files.removeAll(file);
    Save();
}

void RecentFileList::Save() const {
    QSettings settings;
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size()) {
            settings.setValue(Key(i), m_files[i]);
        } else {
            settings.remove(Key(i));
        }
    }
}
