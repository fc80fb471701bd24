#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace dorvane {

// The narrow bold face the digits are set in. When the screen's font list lacks
// "Arial Narrow Bold", the file "arialnb.ttf" is installed for this process only, and
// "Arial Narrow" is made to resolve to it; it is removed at close only when this process
// installed it. The file is looked for beside the executable (a portable copy), then in the
// installed data folder found from the executable's folder.
class DisplayFont
{
public:
    struct Platform
    {
        std::function<QStringList()> fontFamilies;          // the screen's font families
        std::function<int(const QString &path)> addFont;    // an id, or -1 on failure
        std::function<void(int id)> removeFont;
    };
    static Platform qtPlatform();

    explicit DisplayFont(Platform platform = qtPlatform());

    // The screen's font list: built once, "Default" added, sorted; looked up without regard to case.
    bool screenHasFace(const QString &face);

    // The font file for an executable in `executableDirectory`: the first of the two places that
    // holds it, or the one beside the executable when neither does.
    static QString fileFor(const QString &executableDirectory);

    // Installs the face when it is missing. Returns the value of `FontInstalled`.
    bool installIfMissing(const QString &executableDirectory);
    // Removes it again when this process installed it.
    void removeIfInstalled();

    bool installed() const { return m_installed; }
    QString fontPath() const { return m_path; }

private:
    Platform m_platform;
    QStringList m_fontList;
    bool m_listBuilt = false;
    bool m_installed = false;
    int m_fontId = -1;
    QString m_path;
};

} // namespace dorvane
