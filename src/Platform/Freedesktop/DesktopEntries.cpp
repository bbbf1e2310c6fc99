#include "Platform/Freedesktop/DesktopEntries.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statfs.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <atomic>
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

// A folder as a reading found it; it is listed again when any of this changes.
struct FolderStamp {
    std::string path;
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    // A folder of a file system that shows the kernel's state, never listed: only which folder it
    // is counts, since its own stamps may move on every look.
    bool kernelState = false;
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

// File systems that show the kernel's state rather than files: their folders change as the
// system runs (a process's folder comes and goes) and hold no applications. devtmpfs reports
// tmpfs's type and cannot be told apart; its folders are read as any other.
bool showsKernelState(const std::string& path) {
    struct statfs info {};
    if (::statfs(path.c_str(), &info) != 0) {
        return false;
    }
    switch (static_cast<std::uint32_t>(info.f_type)) {
        case 0x9fa0:      // proc
        case 0x62656572:  // sysfs
        case 0x1cd1:      // devpts
        case 0x27e0eb:    // cgroup
        case 0x63677270:  // cgroup2
        case 0x74726163:  // tracefs
        case 0x64626720:  // debugfs
        case 0x73636673:  // securityfs
        case 0xcafe4a11:  // bpf
        case 0x6165676c:  // pstore
        case 0xde5e81e4:  // efivarfs
        case 0x62656570:  // configfs
        case 0x65735543:  // fusectl
        case 0x19800202:  // mqueue
        case 0x42494e4d:  // binfmt_misc
        case 0xf97cff8c:  // selinuxfs
        case 0x43415d53:  // smackfs
        case 0x6e736673:  // nsfs
            return true;
        default:
            return false;
    }
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

bool sameStamps(const FolderStamp& a, const FolderStamp& b) {
    return a.exists == b.exists && a.device == b.device && a.inode == b.inode &&
           a.modified == b.modified && a.changed == b.changed;
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

template <typename Names>
std::vector<std::string> justNames(const Names& names) {
    std::vector<std::string> result;
    result.reserve(names.size());
    for (const auto& name : names) {
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
    if (now.device != stamp.device || now.inode != stamp.inode) {
        return true;
    }
    if (stamp.kernelState) {
        return false;
    }
    if (now.modified != stamp.modified || now.changed != stamp.changed) {
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

struct ListedName {
    std::string name;
    // Links followed.
    bool isFolder = false;
};

// A folder's names as a reading listed them; the next reading takes them again while the
// folder's stamps stay.
struct ListedFolder {
    FolderStamp stamp;
    std::shared_ptr<const std::vector<ListedName>> names;
    // The limit of names cut the listing short, so it holds less than the folder.
    bool partial = false;
};

struct FoundFile {
    QString identifier;
    QString path;
    // The path below the applications folder, which orders the files.
    std::vector<std::string> components;
    // Found in a folder whose stamps have stayed, and settled, since the last reading: its file
    // is taken as it was read then.
    bool folderUnchanged = false;
};

struct FolderKey {
    dev_t device;
    ino_t inode;
    friend auto operator<=>(const FolderKey&, const FolderKey&) = default;
};

// What one reading collects, with its limits and what it has used of them.
struct Walk {
    Walk(const std::map<std::string, ListedFolder>& last, const std::atomic<bool>& stop)
        : before(last), stopping(stop) {}

    // The last reading's folders, by path.
    const std::map<std::string, ListedFolder>& before;
    const std::atomic<bool>& stopping;
    std::set<FolderKey> visited;
    std::map<std::string, ListedFolder> listed;
    // Data folders that are no folder, or the kernel's.
    std::vector<FolderStamp> unlisted;
    // Folders visited and, of them, listed anew.
    std::size_t folders = 0;
    std::size_t foldersRead = 0;
    bool cutShort = false;
};

// The folder's names: as the last reading listed them when its stamps have stayed (a folder that
// has not settled is listed to compare its names), else listed anew. `unchanged` tells whether the
// folder has stayed and settled, so that its files need no look either.
ListedFolder listFolder(const std::string& path, const FolderStatus& status, std::size_t namesLeft,
                        Walk& walk, bool& unchanged) {
    FolderStamp stamp = stampOf(path, status);
    unchanged = false;
    const auto before = walk.before.find(path);
    if (before != walk.before.end() && sameStamps(before->second.stamp, stamp) &&
        !before->second.partial && before->second.names->size() <= namesLeft) {
        if (!before->second.stamp.names) {
            unchanged = true;
            return before->second;
        }
        bool cutShort = false;
        const auto names = folderNames(path, kMaximumNames, cutShort);
        if (names && justNames(*names) == *before->second.stamp.names) {
            ListedFolder same = before->second;
            if (hasSettled(status.info)) {
                same.stamp.names.reset();
            }
            return same;
        }
    }
    ++walk.foldersRead;
    ListedFolder folder;
    // Stamped before it is read: a change made while reading moves the stamps.
    folder.stamp = std::move(stamp);
    bool cutShort = false;
    const auto names = folderNames(path, namesLeft, cutShort);
    auto listed = std::make_shared<std::vector<ListedName>>();
    if (names) {
        listed->reserve(names->size());
        for (const FolderName& child : *names) {
            const std::string childPath = path + '/' + child.name;
            // Only links and names whose type the file system does not tell cost a stat.
            listed->push_back(
                {child.name,
                 child.type == DT_DIR || ((child.type == DT_LNK || child.type == DT_UNKNOWN) &&
                                          folderStatus(childPath).isFolder)});
        }
        if (!hasSettled(status.info)) {
            folder.stamp.names = justNames(*names);
        }
    }
    folder.names = std::move(listed);
    folder.partial = cutShort;
    walk.cutShort = walk.cutShort || cutShort;
    return folder;
}

// The desktop files below one applications folder, breadth first, so that the limits cut off the
// deepest folders first. Each real folder is visited once, whichever link leads to it first; none
// of the kernel's file systems is entered. Nothing when the reading is to stop.
std::optional<std::vector<FoundFile>> findFiles(const std::string& base, Walk& walk) {
    struct Pending {
        std::string path;
        QString idPrefix;
        std::vector<std::string> components;
        int depth = 0;
        // The parent's device: only a folder on another one can be on another file system.
        std::optional<dev_t> parentDevice;
    };
    std::deque<Pending> pending{{base, QString(), {}, 0, std::nullopt}};
    std::vector<FoundFile> files;
    std::size_t folders = 0;
    std::size_t namesLeft = kMaximumNames;
    while (!pending.empty()) {
        if (walk.stopping.load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
        Pending folder = std::move(pending.front());
        pending.pop_front();
        const FolderStatus status = folderStatus(folder.path);
        if (!status.isFolder) {
            if (folder.depth == 0) {
                walk.unlisted.push_back(stampOf(folder.path, status));
            }
            continue;
        }
        if (!walk.visited.insert({status.info.st_dev, status.info.st_ino}).second) {
            continue;
        }
        if (folder.parentDevice != status.info.st_dev && showsKernelState(folder.path)) {
            if (folder.depth == 0) {
                FolderStamp stamp = stampOf(folder.path, status);
                stamp.kernelState = true;
                walk.unlisted.push_back(std::move(stamp));
            }
            continue;
        }
        if (folders == kMaximumFolders || namesLeft == 0) {
            walk.cutShort = true;
            break;
        }
        ++folders;
        bool unchanged = false;
        const ListedFolder& listed = walk.listed[folder.path] =
            listFolder(folder.path, status, namesLeft, walk, unchanged);
        namesLeft -= listed.names->size();

        for (const ListedName& child : *listed.names) {
            const QString name = QString::fromStdString(child.name);
            auto components = folder.components;
            components.push_back(child.name);
            if (child.isFolder) {
                // The desktop-file ID of applications/vendor/app.desktop is vendor-app.desktop.
                if (folder.depth < kMaximumFolderDepth) {
                    pending.push_back({folder.path + '/' + child.name,
                                       folder.idPrefix + name + u'-', std::move(components),
                                       folder.depth + 1, status.info.st_dev});
                }
            } else if (name.endsWith(u".desktop") && name.size() > 8) {
                if (files.size() == kMaximumFiles) {
                    walk.cutShort = true;
                    continue;
                }
                files.push_back({folder.idPrefix + name.chopped(8),
                                 QString::fromStdString(folder.path + '/' + child.name),
                                 std::move(components), unchanged});
            }
        }
    }
    walk.folders += folders;
    // In the order of their paths, as a depth-first walk of sorted folders finds them.
    std::sort(files.begin(), files.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.components < b.components; });
    return files;
}

// A desktop file as a reading found it; the next reading takes what it read while this stays.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

std::optional<FileStamp> fileStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return FileStamp{info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim),
                     nanoseconds(info.st_ctim)};
}

// What reading one desktop file gave.
struct ReadFile {
    std::optional<FileStamp> stamp;
    QString identifier;
    RegularFile::Status status = RegularFile::Status::absent;
    qint64 bytes = 0;
    std::optional<DesktopEntry> entry;
};

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
    // What each entry was read from; none for a file a limit left unread.
    std::vector<std::shared_ptr<const ReadFile>> sources;
    QHash<QString, std::size_t> byIdentifier;

    // The same entries from the same readings of their files.
    bool sameAs(const Index& other) const {
        if (sources != other.sources) {
            return false;
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!sources[i] && entries[i].filePath != other.entries[i].filePath) {
                return false;
            }
        }
        return true;
    }
};

struct DesktopEntries::State {
    explicit State(XdgLocations where) : locations(std::move(where)) {}

    const XdgLocations locations;
    // Set when the owner goes: a reading under way ends at its next folder or file.
    std::atomic<bool> stopping{false};

    std::mutex mutex;
    std::condition_variable checked;
    // Nothing until the first reading is done.
    std::shared_ptr<const Index> index;
    bool checkScheduled = false;
    // Checks asked for, and the last one that is done; a lookup waits for the one it asked for.
    std::uint64_t requested = 0;
    std::uint64_t completed = 0;
    Reading reading;

    // The reader's own: what the last reading listed and read, compared by each check and taken
    // again by the next reading for what did not change.
    bool hasRead = false;
    std::map<std::string, ListedFolder> listed;
    std::vector<FolderStamp> unlisted;
    std::map<QString, std::shared_ptr<const ReadFile>> files;

    std::mutex observersMutex;
    std::map<std::uint64_t, std::function<void()>> observers;
    std::uint64_t nextObserver = 0;

    void check();
    bool hasChangedSinceReading();
    // Nothing when the reading was stopped.
    std::shared_ptr<const Index> read(Reading& counts);
    // The file as the last reading had it when it has stayed, else read within `limit` bytes;
    // nothing when the limit leaves it unread.
    std::shared_ptr<const ReadFile> readFile(const FoundFile& file, qint64 limit, Reading& counts,
                                             bool& cutShort) const;
};

std::shared_ptr<const ReadFile> DesktopEntries::State::readFile(const FoundFile& file, qint64 limit,
                                                                Reading& counts,
                                                                bool& cutShort) const {
    if (limit <= 0) {
        cutShort = true;
        return nullptr;
    }
    std::optional<FileStamp> stamp;
    const auto before = files.find(file.path);
    if (before != files.end() && before->second->identifier == file.identifier) {
        const ReadFile& was = *before->second;
        if (!file.folderUnchanged) {
            stamp = fileStamp(file.path);
        }
        if (file.folderUnchanged || (stamp && stamp == was.stamp)) {
            if (was.status == RegularFile::Status::read && was.bytes > limit) {
                cutShort = true;
                return nullptr;
            }
            return before->second;
        }
    }
    auto result = std::make_shared<ReadFile>();
    result->stamp = stamp ? stamp : fileStamp(file.path);
    result->identifier = file.identifier;
    const RegularFile::Contents contents = RegularFile::read(file.path, limit);
    result->status = contents.status;
    if (contents.status == RegularFile::Status::read) {
        ++counts.files;
        result->bytes = contents.bytes.size();
        result->entry =
            DesktopEntry::parse(contents.bytes, file.identifier, file.path, locations.locale);
    } else if (contents.status == RegularFile::Status::tooLarge && limit < KeyFile::kMaximumBytes) {
        // Too large only for what is left of the budget: a limit left it unread.
        cutShort = true;
        return nullptr;
    }
    return result;
}

std::shared_ptr<const DesktopEntries::Index> DesktopEntries::State::read(Reading& counts) {
    Walk walk(listed, stopping);
    auto built = std::make_shared<Index>();
    std::map<QString, std::shared_ptr<const ReadFile>> read;
    counts.files = 0;
    for (const QString& folder : applicationFolders(locations)) {
        const auto found = findFiles(QFile::encodeName(folder).toStdString(), walk);
        if (!found) {
            return nullptr;
        }
        qint64 bytesLeft = kMaximumBytes;
        for (const FoundFile& file : *found) {
            // An ID found in an earlier directory hides every later file with that ID, even when
            // the earlier one cannot be read or deletes the application with Hidden=true.
            if (built->byIdentifier.contains(file.identifier)) {
                continue;
            }
            if (stopping.load(std::memory_order_relaxed)) {
                return nullptr;
            }
            auto source =
                readFile(file, std::min(KeyFile::kMaximumBytes, bytesLeft), counts, walk.cutShort);
            DesktopEntry entry;
            if (source) {
                read.emplace(file.path, source);
                bytesLeft -= source->bytes;
                if (source->entry) {
                    entry = *source->entry;
                }
            }
            if (!source || !source->entry) {
                entry.identifier = file.identifier;
                entry.filePath = file.path;
            }
            built->byIdentifier.insert(file.identifier, built->entries.size());
            built->programNames.push_back(programName(entry.exec));
            built->sources.push_back(std::move(source));
            built->entries.push_back(std::move(entry));
        }
    }
    ++counts.count;
    counts.folders = walk.foldersRead;
    counts.cutShort = walk.cutShort;
    hasRead = true;
    listed = std::move(walk.listed);
    unlisted = std::move(walk.unlisted);
    files = std::move(read);
    return built;
}

bool DesktopEntries::State::hasChangedSinceReading() {
    if (!hasRead) {
        return true;
    }
    return std::any_of(listed.begin(), listed.end(),
                       [](auto& folder) { return hasChanged(folder.second.stamp); }) ||
           std::any_of(unlisted.begin(), unlisted.end(), hasChanged);
}

void DesktopEntries::State::check() {
    tCheckingFor = this;
    std::uint64_t serving = 0;
    Reading counts;
    std::shared_ptr<const Index> before;
    {
        const std::lock_guard lock(mutex);
        // A lookup from now on asks for a check of its own: this one may already be past what
        // changed for it.
        checkScheduled = false;
        serving = requested;
        counts = reading;
        before = index;
    }
    bool readAgain = false;
    std::shared_ptr<const Index> fresh;
    if (!stopping && hasChangedSinceReading()) {
        fresh = read(counts);
        readAgain = fresh != nullptr;
        // The same entries as before: nothing for the observers to hear of.
        if (fresh && before && fresh->sameAs(*before)) {
            fresh = nullptr;
        }
    }
    {
        const std::lock_guard lock(mutex);
        if (fresh) {
            index = fresh;
        }
        if (readAgain) {
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
    // A reading under way ends at its next folder or file, so that quitting never waits for one;
    // an own queue finishes that task here. A reader from outside may still hold tasks, which find
    // the state gone.
    state_->stopping = true;
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
