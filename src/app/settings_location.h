#pragma once
#include <QString>

namespace dorvane {

// Which settings file the window reads at start and writes at close. A copy the user can write
// to keeps "Dorvane.Ini" beside the executable; an installed copy, or a file made read-only,
// keeps the user's own file instead, starting from the one beside the executable (an
// administrator's preset) until the user has a file of their own.
class SettingsLocation
{
public:
    // `userDirectory` is the user's own folder for the file ("<config>/dorvane"); empty when the
    // platform names none, and then the file beside the executable is used whatever happens.
    static SettingsLocation choose(const QString &executablePath, const QString &userDirectory);
    // The user's own folder for the file, under the per-user configuration location.
    static QString userDirectory();

    const QString &readPath() const { return m_readPath; }
    const QString &writePath() const { return m_writePath; }
    bool isBesideExecutable() const { return m_writePath == m_besidePath; }

    // Creates the user's folder when the file lives there; a failure shows up as the write's own.
    void prepareForWrite() const;

private:
    QString m_besidePath;
    QString m_readPath;
    QString m_writePath;
};

} // namespace dorvane
