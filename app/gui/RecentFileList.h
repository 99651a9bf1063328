// The recent-file list of the user profile: section "Recent File List", values "File1" to "File4",
// the most recent first.
#pragma once

#include <QString>
#include <QStringList>

class RecentFileList {
  public:
    static constexpr int kSize = 4;

    // Reads the list from the profile.
    RecentFileList();

    const QStringList& Files() const { return m_files; }
    // Puts the file first (absolute path), dropping the oldest beyond four, and stores the list.
    void Add(const QString& file);
    void Remove(const QString& file);

  private:
    void Save() const;

    QStringList m_files;
};
