#include "Platform/Freedesktop/DesktopEntries.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "Platform/ApplicationIdentifier.h"
#include "Platform/Freedesktop/DesktopExec.h"
#include "Platform/Freedesktop/KeyFile.h"
#include "Platform/RegularFile.h"
#include "Platform/SerialQueue.h"

namespace quillorbitex::freedesktop {

namespace {

// Limits of one reading, for each data directory, so that links into large trees (a link to "/")
// or deep ones cost a bounded amount. Real application folders stay far below them.
constexpr int kMaximumFolderDepth = 8;
constexpr std::size_t kMaximumFolders = 512;
constexpr std::size_t kMaximumNames = 64 * 1024;
constexpr std::size_t kMaximumFiles = 8 * 1024;
constexpr qint64 kMaximumBytes = 32LL * 1024 * 1024;

// How long a lookup on the interactive thread waits for the first reading: one frame.
constexpr auto kInteractiveWait = std::chrono::milliseconds(16);

// File time stamps come from a coarse clock; a folder changed this recently may change again
// without its stamps moving, so its names are compared as well until it has settled.
constexpr std::int64_t kSettledNanoseconds = 2'000'000'000;

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

std::int64_t nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::int64_t wallClockNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

// A folder as a reading found it; the entries are read again when any of this changes.
struct FolderStamp {
    std::string path;
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    // Kept only while the folder has not settled (kSettledNanoseconds).
    std::optional<std::vector<std::string>> names;
};

struct FolderStatus {
    bool isFolder = false;
    struct stat info {};
};

// Follows links, as the walk does.
FolderStatus folderStatus(const std::string& path) {
    FolderStatus status;
    status.isFolder = ::stat(path.c_str(), &status.info) == 0 && S_ISDIR(status.info.st_mode);
    return status;
}

bool hasSettled(const struct stat& info) {
    const std::int64_t latest = std::max(nanoseconds(info.st_mtim), nanoseconds(info.st_ctim));
    return wallClockNanoseconds() - latest >= kSettledNanoseconds;
}

FolderStamp stampOf(const std::string& path, const FolderStatus& status) {
    FolderStamp stamp;
    stamp.path = path;
    stamp.exists = status.isFolder;
    if (status.isFolder) {
        stamp.device = status.info.st_dev;
        stamp.inode = status.info.st_ino;
        stamp.modified = nanoseconds(status.info.st_mtim);
        stamp.changed = nanoseconds(status.info.st_ctim);
    }
    return stamp;
}

struct FolderName {
    std::string name;
    unsigned char type = DT_UNKNOWN;
};

// The names in a folder, sorted, at most `limit` of them; nothing when it cannot be opened.
std::optional<std::vector<FolderName>> folderNames(const std::string& path, std::size_t limit,
                                                   bool& cutShort) {
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::vector<FolderName> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        if (names.size() == limit) {
            cutShort = true;
            break;
        }
        names.push_back({std::string(name), entry->d_type});
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(),
              [](const FolderName& a, const FolderName& b) { return a.name < b.name; });
    return names;
}

std::vector<std::string> justNames(const std::vector<FolderName>& names) {
    std::vector<std::string> result;
    result.reserve(names.size());
    for (const FolderName& name : names) {
        result.push_back(name.name);
    }
    return result;
}

// Whether the folder differs from its stamp; a folder that has settled since drops its names.
bool hasChanged(FolderStamp& stamp) {
    const FolderStatus status = folderStatus(stamp.path);
    if (status.isFolder != stamp.exists) {
        return true;
    }
    if (!status.isFolder) {
        return false;
    }
    const FolderStamp now = stampOf(stamp.path, status);
    if (now.device != stamp.device || now.inode != stamp.inode || now.modified != stamp.modified ||
        now.changed != stamp.changed) {
        return true;
    }
    if (stamp.names) {
        bool cutShort = false;
        const auto names = folderNames(stamp.path, kMaximumNames, cutShort);
        if (!names || justNames(*names) != *stamp.names) {
            return true;
        }
        if (hasSettled(status.info)) {
            stamp.names.reset();
        }
    }
    return false;
}

struct FoundFile {
    QString identifier;
    QString path;
    // The path below the applications folder, which orders the files.
    std::vector<std::string> components;
};

struct FolderKey {
    dev_t device;
    ino_t inode;
    friend auto operator<=>(const FolderKey&, const FolderKey&) = default;
};

// What one reading collects, with its limits and what it has used of them.
struct Walk {
    std::set<FolderKey> visited;
    std::vector<FolderStamp> stamps;
    std::size_t folders = 0;
    bool cutShort = false;
};

// The desktop files below one applications folder, breadth first, so that the limits cut off the
// deepest folders first. Each real folder is read once, whichever link leads to it first.
std::vector<FoundFile> findFiles(const std::string& base, Walk& walk) {
    struct Pending {
        std::string path;
        QString idPrefix;
        std::vector<std::string> components;
        int depth = 0;
    };
    std::deque<Pending> pending{{base, QString(), {}, 0}};
    std::vector<FoundFile> files;
    std::size_t folders = 0;
    std::size_t namesLeft = kMaximumNames;
    while (!pending.empty()) {
        Pending folder = std::move(pending.front());
        pending.pop_front();
        const FolderStatus status = folderStatus(folder.path);
        if (!status.isFolder) {
            if (folder.depth == 0) {
                walk.stamps.push_back(stampOf(folder.path, status));
            }
            continue;
        }
        if (!walk.visited.insert({status.info.st_dev, status.info.st_ino}).second) {
            continue;
        }
        if (folders == kMaximumFolders || namesLeft == 0) {
            walk.cutShort = true;
            break;
        }
        ++folders;
        // Stamped before it is read: a change made while reading moves the stamps.
        FolderStamp stamp = stampOf(folder.path, status);
        const auto names = folderNames(folder.path, namesLeft, walk.cutShort);
        if (!names) {
            walk.stamps.push_back(std::move(stamp));
            continue;
        }
        namesLeft -= names->size();
        if (!hasSettled(status.info)) {
            stamp.names = justNames(*names);
        }
        walk.stamps.push_back(std::move(stamp));

        for (const FolderName& child : *names) {
            const std::string childPath = folder.path + '/' + child.name;
            // Only links and names whose type the file system does not tell cost a stat.
            const bool isFolder =
                child.type == DT_DIR || ((child.type == DT_LNK || child.type == DT_UNKNOWN) &&
                                         folderStatus(childPath).isFolder);
            const QString name = QString::fromStdString(child.name);
            auto components = folder.components;
            components.push_back(child.name);
            if (isFolder) {
                // The desktop-file ID of applications/vendor/app.desktop is vendor-app.desktop.
                if (folder.depth < kMaximumFolderDepth) {
                    pending.push_back({childPath, folder.idPrefix + name + u'-',
                                       std::move(components), folder.depth + 1});
                }
            } else if (name.endsWith(u".desktop") && name.size() > 8) {
                if (files.size() == kMaximumFiles) {
                    walk.cutShort = true;
                    continue;
                }
                files.push_back({folder.idPrefix + name.chopped(8),
                                 QString::fromStdString(childPath), std::move(components)});
            }
        }
    }
    walk.folders += folders;
    // In the order of their paths, as a depth-first walk of sorted folders finds them.
    std::sort(files.begin(), files.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.components < b.components; });
    return files;
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

// Set while a thread runs a check for the state it points to.
thread_local const void* tCheckingFor = nullptr;

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
    // In precedence order: earlier data directories first, then by path.
    std::vector<DesktopEntry> entries;
    // The file name of each entry's Exec program, in the order of `entries`.
    std::vector<QString> programNames;
    QHash<QString, std::size_t> byIdentifier;
};

struct DesktopEntries::State {
    explicit State(XdgLocations where) : locations(std::move(where)) {}

    const XdgLocations locations;

    std::mutex mutex;
    std::condition_variable checked;
    // Nothing until the first reading is done.
    std::shared_ptr<const Index> index;
    bool checkScheduled = false;
    // Checks asked for, and the last one that is done; a lookup waits for the one it asked for.
    std::uint64_t requested = 0;
    std::uint64_t completed = 0;
    Reading reading;

    // The reader's own: what the last reading found, compared by each check.
    std::optional<std::vector<FolderStamp>> stamps;

    std::mutex observersMutex;
    std::map<std::uint64_t, std::function<void()>> observers;
    std::uint64_t nextObserver = 0;

    void check();
    std::shared_ptr<const Index> read(Reading& counts);
};

std::shared_ptr<const DesktopEntries::Index> DesktopEntries::State::read(Reading& counts) {
    Walk walk;
    auto built = std::make_shared<Index>();
    counts.files = 0;
    for (const QString& folder : applicationFolders(locations)) {
        qint64 bytesLeft = kMaximumBytes;
        for (const FoundFile& file : findFiles(QFile::encodeName(folder).toStdString(), walk)) {
            // An ID found in an earlier directory hides every later file with that ID, even when
            // the earlier one cannot be read or deletes the application with Hidden=true.
            if (built->byIdentifier.contains(file.identifier)) {
                continue;
            }
            std::optional<DesktopEntry> entry;
            const qint64 limit = std::min(KeyFile::kMaximumBytes, bytesLeft);
            if (limit > 0) {
                const RegularFile::Contents contents = RegularFile::read(file.path, limit);
                if (contents.status == RegularFile::Status::read) {
                    bytesLeft -= contents.bytes.size();
                    ++counts.files;
                    entry = DesktopEntry::parse(contents.bytes, file.identifier, file.path,
                                                locations.locale);
                } else if (contents.status == RegularFile::Status::tooLarge &&
                           limit < KeyFile::kMaximumBytes) {
                    // Too large only for what is left of the budget: a limit left it unread.
                    walk.cutShort = true;
                }
            } else {
                walk.cutShort = true;
            }
            if (!entry) {
                entry.emplace();
                entry->identifier = file.identifier;
                entry->filePath = file.path;
            }
            built->byIdentifier.insert(file.identifier, built->entries.size());
            built->programNames.push_back(programName(entry->exec));
            built->entries.push_back(std::move(*entry));
        }
    }
    ++counts.count;
    counts.folders = walk.folders;
    counts.cutShort = walk.cutShort;
    stamps = std::move(walk.stamps);
    return built;
}

void DesktopEntries::State::check() {
    tCheckingFor = this;
    std::uint64_t serving = 0;
    Reading counts;
    {
        const std::lock_guard lock(mutex);
        // A lookup from now on asks for a check of its own: this one may already be past what
        // changed for it.
        checkScheduled = false;
        serving = requested;
        counts = reading;
    }
    std::shared_ptr<const Index> fresh;
    if (!stamps || std::any_of(stamps->begin(), stamps->end(), hasChanged)) {
        fresh = read(counts);
    }
    {
        const std::lock_guard lock(mutex);
        if (fresh) {
            index = fresh;
            reading = counts;
        }
        completed = serving;
    }
    checked.notify_all();
    if (fresh) {
        const std::lock_guard lock(observersMutex);
        for (const auto& [id, observer] : observers) {
            observer();
        }
    }
    tCheckingFor = nullptr;
}

DesktopEntries::DesktopEntries(XdgLocations locations,
                               std::optional<std::thread::id> interactiveThread,
                               std::shared_ptr<Executor> reader)
    : locations_(std::move(locations)),
      interactiveThread_(interactiveThread),
      state_(std::make_shared<State>(locations_)),
      reader_(reader ? std::move(reader)
                     : std::make_shared<SerialQueue>(std::string(kApplicationIdentifier) +
                                                     ".desktop-entries")) {
    requestCheck();
}

DesktopEntries::~DesktopEntries() {
    // An own queue finishes the task under way here; a reader from outside may still hold tasks,
    // which find the state gone.
    reader_.reset();
}

void DesktopEntries::requestCheck() const {
    // Called with state_->mutex held.
    if (state_->checkScheduled) {
        return;
    }
    state_->checkScheduled = true;
    ++state_->requested;
    reader_->async([weak = std::weak_ptr<State>(state_)] {
        if (const auto state = weak.lock()) {
            state->check();
        }
    });
}

std::shared_ptr<const DesktopEntries::Index> DesktopEntries::currentIndex() const {
    static const auto empty = std::make_shared<const Index>();
    State& state = *state_;
    std::unique_lock lock(state.mutex);
    // An observer's own lookups take what was just read; asking for a check would wait for itself.
    if (tCheckingFor != &state) {
        requestCheck();
        const std::uint64_t ticket = state.requested;
        if (interactiveThread_ == std::this_thread::get_id()) {
            state.checked.wait_for(lock, kInteractiveWait, [&] { return state.index != nullptr; });
        } else {
            state.checked.wait(lock, [&] { return state.completed >= ticket; });
        }
    }
    return state.index ? state.index : empty;
}

std::shared_ptr<void> DesktopEntries::observeChanges(std::function<void()> observer) const {
    struct Subscription {
        std::weak_ptr<State> state;
        std::uint64_t id = 0;
        ~Subscription() {
            if (const auto owner = state.lock()) {
                const std::lock_guard lock(owner->observersMutex);
                owner->observers.erase(id);
            }
        }
    };
    auto subscription = std::make_shared<Subscription>();
    subscription->state = state_;
    const std::lock_guard lock(state_->observersMutex);
    subscription->id = state_->nextObserver++;
    state_->observers.emplace(subscription->id, std::move(observer));
    return subscription;
}

DesktopEntries::Reading DesktopEntries::lastReading() const {
    // As fresh as a lookup would be.
    currentIndex();
    const std::lock_guard lock(state_->mutex);
    return state_->reading;
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
