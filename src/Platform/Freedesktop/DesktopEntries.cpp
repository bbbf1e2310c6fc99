#include "Platform/Freedesktop/DesktopEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <filesystem>

#include "Platform/Freedesktop/DesktopExec.h"
#include "Platform/Freedesktop/KeyFile.h"

namespace quillorbitex::freedesktop {

namespace {

constexpr int kMaximumFolderDepth = 8;

QStringList absolutePaths(const QString& list) {
    QStringList result;
    for (const QString& path : list.split(u':', Qt::SkipEmptyParts)) {
        // XDG base directories must be absolute; relative entries are ignored.
        if (QDir::isAbsolutePath(path)) {
            result << QDir::cleanPath(path);
        }
    }
    return result;
}

QString absoluteOr(const QString& path, const QString& fallback) {
    return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : fallback;
}

// What a folder held when it was read; the entries are read again when any of these change.
struct FolderStamp {
    QString path;
    bool exists = false;
    std::filesystem::file_time_type modified{};
    std::vector<std::string> names;

    friend bool operator==(const FolderStamp&, const FolderStamp&) = default;
};

struct FoundFile {
    QString identifier;
    QString path;
};

void walk(const std::filesystem::path& folder, const QString& idPrefix, int depth,
          std::vector<FolderStamp>& stamps, std::vector<FoundFile>& files) {
    FolderStamp stamp;
    stamp.path = QString::fromStdString(folder.string());
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        stamps.push_back(std::move(stamp));
        return;
    }
    stamp.exists = true;
    stamp.modified = std::filesystem::last_write_time(folder, error);
    std::vector<std::filesystem::directory_entry> children;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (error) {
            break;
        }
        children.push_back(*it);
    }
    std::sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
        return a.path().filename() < b.path().filename();
    });
    for (const auto& child : children) {
        stamp.names.push_back(child.path().filename().string());
    }
    stamps.push_back(std::move(stamp));

    for (const auto& child : children) {
        const QString name = QString::fromStdString(child.path().filename().string());
        if (child.is_directory(error)) {
            // The desktop-file ID of applications/vendor/app.desktop is vendor-app.desktop.
            if (depth < kMaximumFolderDepth) {
                walk(child.path(), idPrefix + name + u'-', depth + 1, stamps, files);
            }
        } else if (name.endsWith(u".desktop") && name.size() > 8) {
            files.push_back(
                {idPrefix + name.chopped(8), QString::fromStdString(child.path().string())});
        }
    }
}

QStringList applicationFolders(const XdgLocations& locations) {
    QStringList folders;
    for (const QString& base : QStringList{locations.dataHome} + locations.dataDirs) {
        folders << base + QStringLiteral("/applications");
    }
    return folders;
}

// The file name of the program an Exec line starts ("firefox-esr" for
// "/usr/lib/firefox-esr/firefox-esr %u"); empty when the line does not split.
QString programName(const QString& exec) {
    const auto words = DesktopExec::split(exec);
    if (!words || words->isEmpty()) {
        return {};
    }
    const QString& program = words->first();
    return program.mid(program.lastIndexOf(u'/') + 1);
}

bool isSafeIdentifier(const QString& identifier) {
    return !identifier.isEmpty() && !identifier.contains(u'/') &&
           !identifier.contains(QStringLiteral(".."));
}

}  // namespace

XdgLocations XdgLocations::fromEnvironment() {
    const QString home = QDir::homePath();
    XdgLocations locations;
    locations.dataHome =
        absoluteOr(qEnvironmentVariable("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    locations.dataDirs = absolutePaths(qEnvironmentVariable("XDG_DATA_DIRS"));
    if (locations.dataDirs.isEmpty()) {
        locations.dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    }
    locations.configHome =
        absoluteOr(qEnvironmentVariable("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    locations.configDirs = absolutePaths(qEnvironmentVariable("XDG_CONFIG_DIRS"));
    if (locations.configDirs.isEmpty()) {
        locations.configDirs = {QStringLiteral("/etc/xdg")};
    }
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts)) {
        locations.currentDesktops << desktop.toLower();
    }
    locations.webBrowserAlternative = QStringLiteral("/etc/alternatives/x-www-browser");
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locations.locale = qEnvironmentVariable(variable);
        if (!locations.locale.isEmpty()) {
            break;
        }
    }
    return locations;
}

struct DesktopEntries::Index {
    std::vector<FolderStamp> stamps;
    // In precedence order: earlier data directories first, then by path.
    std::vector<DesktopEntry> entries;
    // The file name of each entry's Exec program, in the order of `entries`.
    std::vector<QString> programNames;
    QHash<QString, std::size_t> byIdentifier;
};

DesktopEntries::DesktopEntries(XdgLocations locations) : locations_(std::move(locations)) {}

DesktopEntries::~DesktopEntries() = default;

std::shared_ptr<const DesktopEntries::Index> DesktopEntries::currentIndex() const {
    std::vector<FolderStamp> stamps;
    std::vector<FoundFile> files;
    for (const QString& folder : applicationFolders(locations_)) {
        walk(std::filesystem::path(folder.toStdString()), QString(), 0, stamps, files);
    }

    std::lock_guard lock(mutex_);
    if (index_ && index_->stamps == stamps) {
        return index_;
    }
    auto index = std::make_shared<Index>();
    index->stamps = std::move(stamps);
    for (const FoundFile& file : files) {
        // An ID found in an earlier directory hides every later file with that ID, even when the
        // earlier one cannot be read or deletes the application with Hidden=true.
        if (index->byIdentifier.contains(file.identifier)) {
            continue;
        }
        QFile handle(file.path);
        std::optional<DesktopEntry> entry;
        if (handle.open(QIODevice::ReadOnly)) {
            entry = DesktopEntry::parse(handle.readAll(), file.identifier, file.path,
                                        locations_.locale);
        }
        if (!entry) {
            entry.emplace();
            entry->identifier = file.identifier;
            entry->filePath = file.path;
        }
        index->byIdentifier.insert(file.identifier, index->entries.size());
        index->programNames.push_back(programName(entry->exec));
        index->entries.push_back(std::move(*entry));
    }
    index_ = std::move(index);
    return index_;
}

std::optional<DesktopEntry> DesktopEntries::application(const QString& identifier) const {
    if (!isSafeIdentifier(identifier)) {
        return std::nullopt;
    }
    const auto index = currentIndex();
    const auto it = index->byIdentifier.constFind(identifier);
    if (it == index->byIdentifier.constEnd() || !index->entries[*it].isInstalledApplication()) {
        return std::nullopt;
    }
    return index->entries[*it];
}

std::vector<DesktopEntry> DesktopEntries::listedApplications() const {
    const auto index = currentIndex();
    std::vector<DesktopEntry> result;
    std::copy_if(index->entries.begin(), index->entries.end(), std::back_inserter(result),
                 [](const DesktopEntry& entry) { return entry.isListed(); });
    return result;
}

QStringList DesktopEntries::mimeappsFiles() const {
    QStringList folders = QStringList{locations_.configHome} + locations_.configDirs;
    folders += applicationFolders(locations_);
    QStringList files;
    for (const QString& folder : folders) {
        for (const QString& desktop : locations_.currentDesktops) {
            files << folder + u'/' + desktop + QStringLiteral("-mimeapps.list");
        }
        files << folder + QStringLiteral("/mimeapps.list");
    }
    return files;
}

std::optional<DesktopEntry> DesktopEntries::handlerForScheme(const QString& scheme) const {
    if (scheme.isEmpty()) {
        return std::nullopt;
    }
    const QString mimeType = QStringLiteral("x-scheme-handler/") + scheme.toLower();
    for (const QString& path : mimeappsFiles()) {
        const auto file = KeyFile::read(path);
        if (!file) {
            continue;
        }
        for (QString id : file->stringList(QStringLiteral("Default Applications"), mimeType)) {
            if (id.endsWith(u".desktop")) {
                id.chop(8);
            }
            if (auto entry = application(id)) {
                return entry;
            }
        }
    }
    if (auto entry = declaredHandler(mimeType)) {
        return entry;
    }
    // Browsers that open web addresses handed over by xdg-open do not always declare the schemes
    // (Dillo); xdg-settings then takes the http handler, else the x-www-browser alternative.
    const QString lower = scheme.toLower();
    if (lower == u"https") {
        return handlerForScheme(QStringLiteral("http"));
    }
    if (lower == u"http") {
        return alternativeWebBrowser();
    }
    return std::nullopt;
}

std::optional<DesktopEntry> DesktopEntries::declaredHandler(const QString& mimeType) const {
    const auto index = currentIndex();
    for (const DesktopEntry& entry : index->entries) {
        if (entry.isInstalledApplication() && entry.mimeTypes.contains(mimeType)) {
            return entry;
        }
    }
    return std::nullopt;
}

std::optional<DesktopEntry> DesktopEntries::alternativeWebBrowser() const {
    if (locations_.webBrowserAlternative.isEmpty()) {
        return std::nullopt;
    }
    // The alternative links to the program, which may itself be a link to the real binary; an
    // entry may start either.
    const QFileInfo alternative(locations_.webBrowserAlternative);
    QStringList names;
    for (const QString& target : {alternative.symLinkTarget(), alternative.canonicalFilePath()}) {
        if (!target.isEmpty()) {
            names << QFileInfo(target).fileName();
        }
    }
    if (names.isEmpty()) {
        return std::nullopt;
    }
    const auto index = currentIndex();
    for (std::size_t i = 0; i < index->entries.size(); ++i) {
        if (index->entries[i].isListed() && names.contains(index->programNames[i])) {
            return index->entries[i];
        }
    }
    return std::nullopt;
}

std::optional<DesktopEntry> DesktopEntries::applicationForWindowClass(
    const QString& instanceName, const QString& className) const {
    const auto index = currentIndex();
    const auto find = [&](auto key) -> std::optional<DesktopEntry> {
        for (const QString& name : {className, instanceName}) {
            if (name.isEmpty()) {
                continue;
            }
            for (std::size_t i = 0; i < index->entries.size(); ++i) {
                const DesktopEntry& entry = index->entries[i];
                if (entry.isInstalledApplication() &&
                    key(i).compare(name, Qt::CaseInsensitive) == 0) {
                    return entry;
                }
            }
        }
        return std::nullopt;
    };
    const auto& entries = index->entries;
    const auto& programs = index->programNames;
    if (auto entry = find([&](std::size_t i) { return entries[i].startupWMClass; })) {
        return entry;
    }
    if (auto entry = find([&](std::size_t i) { return entries[i].identifier; })) {
        return entry;
    }
    // Reverse-DNS IDs: "org.xfce.mousepad" is the window class "mousepad".
    if (auto entry = find([&](std::size_t i) {
            const QString& id = entries[i].identifier;
            return id.contains(u'.') ? id.mid(id.lastIndexOf(u'.') + 1) : QString();
        })) {
        return entry;
    }
    return find([&](std::size_t i) { return programs[i]; });
}

}  // namespace quillorbitex::freedesktop
