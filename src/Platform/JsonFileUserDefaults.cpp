#include "Platform/JsonFileUserDefaults.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include "Platform/AtomicFile.h"
#include "Platform/JsonMembers.h"
#include "Platform/ProductFolder.h"
#include "Platform/RegularFile.h"
#include "Platform/SetAside.h"

namespace quillorbitex {

namespace {

const QString kFileName = QStringLiteral("preferences.json");
const QString kDataKey = QStringLiteral("data");

// Whether `path` is a link to where nothing is yet (a preferences file kept elsewhere, not made
// so far), rather than a link that loops or something that is not a file.
bool leadsNowhereYet(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(encoded.constData(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
        return false;
    }
    return ::stat(encoded.constData(), &entry) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

QVariant fromJson(const QJsonValue& value) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.size() == 1 && object.value(kDataKey).isString()) {
            return QByteArray::fromBase64(object.value(kDataKey).toString().toLatin1());
        }
    }
    // Booleans, numbers and texts map to themselves; anything else was not written by us and is
    // kept as it is (it reads as no value).
    return value.toVariant();
}

QJsonValue toJson(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) {
        return QJsonObject{{kDataKey, QString::fromLatin1(value.toByteArray().toBase64())}};
    }
    return QJsonValue::fromVariant(value);
}

void insertEntries(const QJsonObject& object, QVariantMap& entries) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        entries.insert(it.key(), fromJson(it.value()));
    }
}

// The entries of `members` whose texts are UTF-8 and that are JSON on their own.
void insertReadableMembers(const JsonMembers& members, QVariantMap& entries) {
    for (const JsonMembers::Member& member : members.members()) {
        if (member.spoiled) {
            continue;
        }
        QByteArray single;
        single.reserve(member.text.size() + 2);
        single.append('{').append(member.text).append('}');
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(single, &error);
        if (error.error == QJsonParseError::NoError) {
            insertEntries(document.object(), entries);
        }
    }
}

// Reads the document into `entries`. False when some or all of it could not be read.
//
// Bytes that are not UTF-8 make the whole text invalid JSON; rather than lose every entry, the
// entries are read one by one and only those whose texts hold such bytes are left out (bytes
// between the tokens read as blanks). When such a byte broke a text or a bracket too, the text is
// read one line at a time, as this class writes it: one entry per line.
bool readDocument(const QByteArray& content, QVariantMap& entries) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error == QJsonParseError::NoError && document.isObject()) {
        insertEntries(document.object(), entries);
        return true;
    }
    if (content.isValidUtf8()) {
        return false;
    }
    if (const auto members = JsonMembers::split(content, '{')) {
        insertReadableMembers(*members, entries);
        return false;
    }
    for (const QByteArray& line : content.split('\n')) {
        QByteArray entry = line.trimmed();
        if (entry.endsWith(',')) {
            entry.chop(1);
        }
        if (const auto members = JsonMembers::split('{' + entry + '}', '{')) {
            insertReadableMembers(*members, entries);
        }
    }
    return false;
}

// A value as compact JSON text. QJsonDocument writes only arrays and objects, so the value goes in
// as the one element of an array whose brackets are then cut off.
QByteArray compactJson(const QJsonValue& value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// One entry per line, in key order. Data values are written as they are rather than through
// QJsonDocument: Base64 text needs no escaping, and a long rule list was otherwise copied into a
// string, escaped and copied again on every save.
QByteArray documentText(const QVariantMap& map) {
    QByteArray text("{");
    for (auto it = map.begin(); it != map.end(); ++it) {
        text += it == map.begin() ? "\n    " : ",\n    ";
        text += compactJson(it.key());
        text += ": ";
        if (it.value().typeId() == QMetaType::QByteArray) {
            text += "{\"" + kDataKey.toLatin1() + "\": \"";
            text += it.value().toByteArray().toBase64();
            text += "\"}";
        } else {
            text += compactJson(toJson(it.value()));
        }
    }
    text += map.isEmpty() ? "}\n" : "\n}\n";
    return text;
}

std::optional<UserDefaults::Value> toValue(const QVariant& variant) {
    switch (variant.typeId()) {
        case QMetaType::Bool:
            return UserDefaults::Value(variant.toBool());
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return UserDefaults::Value(variant.toDouble());
        case QMetaType::QString:
            return UserDefaults::Value(variant.toString());
        case QMetaType::QByteArray:
            return UserDefaults::Value(variant.toByteArray());
        default:
            return std::nullopt;
    }
}

// Far beyond any rule list a person makes; a larger file is set aside rather than read into
// memory.
constexpr qint64 kMaximumFileBytes = 256LL * 1024 * 1024;

// Data beyond which a write no longer fits in a frame (Base64, the write and its sync); the rule
// list is nearly all of it.
constexpr qsizetype kBackgroundWriteBytes = 256 * 1024;

bool isLarge(const QVariantMap& map) {
    qsizetype bytes = 0;
    for (const QVariant& value : map) {
        if (value.typeId() == QMetaType::QByteArray) {
            bytes += value.toByteArray().size();
        }
    }
    return bytes > kBackgroundWriteBytes;
}

QVariant toVariant(const UserDefaults::Value& value) {
    return std::visit([](const auto& v) { return QVariant::fromValue(v); }, value);
}

// Whether two entries hold the same value: numbers read from the file as whole numbers are the
// doubles written; entries of other shapes compare as they are.
bool sameEntry(const QVariant& a, const QVariant& b) {
    const auto first = toValue(a);
    const auto second = toValue(b);
    if (first || second) {
        return first == second;
    }
    return a == b;
}

template <typename Keys>
bool holds(const Keys& keys, const QString& key) {
    return keys.find(key) != keys.end();
}

// Whether two maps hold the same values under every key.
bool sameEntries(const QVariantMap& first, const QVariantMap& second) {
    if (first.size() != second.size()) {
        return false;
    }
    for (auto it = first.begin(); it != first.end(); ++it) {
        const auto there = second.constFind(it.key());
        if (there == second.cend() || !sameEntry(*it, *there)) {
            return false;
        }
    }
    return true;
}

std::optional<QVariant> entryOf(const QVariantMap& map, const QString& key) {
    const auto entry = map.constFind(key);
    return entry == map.cend() ? std::nullopt : std::optional(*entry);
}

bool sameOptionalEntry(const std::optional<QVariant>& a, const std::optional<QVariant>& b) {
    return a.has_value() == b.has_value() && (!a || sameEntry(*a, *b));
}

// What `merger` makes of the three; `mine` when one of them holds an entry of no type a merger
// knows (written by hand).
std::optional<QVariant> merged(const UserDefaults::Merger& merger,
                               const std::optional<QVariant>& base,
                               const std::optional<QVariant>& mine,
                               const std::optional<QVariant>& theirs) {
    std::optional<UserDefaults::Value> values[3];
    const std::optional<QVariant>* entries[3] = {&base, &mine, &theirs};
    for (int i = 0; i < 3; ++i) {
        if (*entries[i]) {
            values[i] = toValue(**entries[i]);
            if (!values[i]) {
                return mine;
            }
        }
    }
    const auto value = merger(values[0], values[1], values[2]);
    return value ? std::optional(toVariant(*value)) : std::nullopt;
}

// Puts a change of `key` from `base` to `value` over `file`. Where the file no longer holds the
// base, the key's merger (if any) makes one value of the two; without one the change wins when
// `wins`, else the file's value stays.
void putOver(QVariantMap& file, const QString& key, const std::optional<QVariant>& base,
             std::optional<QVariant> value, const UserDefaults::Merger* merger, bool wins) {
    const auto theirs = entryOf(file, key);
    if (!sameOptionalEntry(theirs, base)) {
        if (merger != nullptr) {
            value = merged(*merger, base, value, theirs);
        } else if (!wins) {
            return;
        }
    }
    if (value) {
        file.insert(key, *value);
    } else {
        file.remove(key);
    }
}

// A change an instance could not write before it ended: the value it set (none: removed) and the
// value its change started from.
struct KeptChange {
    std::optional<QVariant> value;
    std::optional<QVariant> base;
};

const QString kKeptInfix = QStringLiteral(".unsaved-");
const QString kValueMember = QStringLiteral("value");
const QString kBaseMember = QStringLiteral("base");

// {"<key>": {"value": <entry>, "base": <entry>}, …}, each member left out where it is absent.
QByteArray keptText(const std::map<QString, KeptChange>& changes) {
    QJsonObject object;
    for (const auto& [key, change] : changes) {
        QJsonObject entry;
        if (change.value) {
            entry.insert(kValueMember, toJson(*change.value));
        }
        if (change.base) {
            entry.insert(kBaseMember, toJson(*change.base));
        }
        object.insert(key, entry);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<std::map<QString, KeptChange>> readKeptText(const QByteArray& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    std::map<QString, KeptChange> changes;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isObject()) {
            return std::nullopt;
        }
        const QJsonObject entry = it.value().toObject();
        KeptChange& change = changes[it.key()];
        if (entry.contains(kValueMember)) {
            change.value = fromJson(entry.value(kValueMember));
        }
        if (entry.contains(kBaseMember)) {
            change.base = fromJson(entry.value(kBaseMember));
        }
    }
    return changes;
}

// Whether `name` is that of a file of kept changes of the file named `fileName`.
bool isKeptName(const QString& name, const QString& fileName) {
    const QString prefix = fileName + kKeptInfix;
    if (!name.startsWith(prefix) || name.size() != prefix.size() + 16) {
        return false;
    }
    return std::all_of(name.begin() + prefix.size(), name.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
}

// The file at a path as found for its values.
struct StoredFile {
    // A link that leads nowhere yet counts as absent: the first write creates its file.
    RegularFile::Status status = RegularFile::Status::absent;
    QByteArray bytes;
    QVariantMap entries;
    // Every entry of what was read could be read.
    bool whole = true;
};

StoredFile readStoredFile(const QString& path) {
    RegularFile::Contents file = RegularFile::read(path, kMaximumFileBytes);
    if (file.status != RegularFile::Status::read && leadsNowhereYet(path)) {
        file.status = RegularFile::Status::absent;
    }
    StoredFile stored{file.status, std::move(file.bytes), {}, true};
    if (stored.status == RegularFile::Status::read) {
        // An empty file is one cut off before its first byte (a full disk, an editor writing in
        // place), not one without values.
        stored.whole = !stored.bytes.isEmpty() && readDocument(stored.bytes, stored.entries);
    }
    return stored;
}

// Every instance writes the file only while it holds this lock, from reading the file to
// replacing it, so that no write is lost between another's reading and its rename. The lock is
// an flock() on a file of its own: the preferences file itself is replaced by every write.
class FileLock {
public:
    enum class State {
        held,
        // Another process holds it.
        busy,
        // It cannot be opened or taken at all (the folder cannot be written).
        unavailable,
    };

    // Tries for `wait` at most, and not after `stop` is set.
    FileLock(const QString& path, std::chrono::milliseconds wait,
             const std::atomic<bool>* stop = nullptr) {
        const QByteArray encoded = QFile::encodeName(path);
        struct stat entry {};
        // Only a regular file is opened (or made): opening a device has effects of its own.
        if (::lstat(encoded.constData(), &entry) == 0 && !S_ISREG(entry.st_mode)) {
            return;
        }
        const int fd =
            ::open(encoded.constData(),
                   O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
        if (fd < 0) {
            return;
        }
        if (::fstat(fd, &entry) != 0 || !S_ISREG(entry.st_mode)) {
            ::close(fd);
            return;
        }
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                ::close(fd);
                return;
            }
            if (std::chrono::steady_clock::now() >= deadline || (stop != nullptr && *stop)) {
                ::close(fd);
                state_ = State::busy;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        fd_ = fd;
        state_ = State::held;
    }
    // Closing the descriptor releases the lock.
    ~FileLock() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::unavailable;
};

// Another instance holds the lock only while it writes, a few milliseconds; the writer waits this
// long for it, and a lock held longer is taken as one that cannot be had for now.
constexpr std::chrono::seconds kWriterLockWait{1};
// Quitting waits no longer than this; then what is unsaved is kept beside the file, for the next
// write of any instance to take in. (Writing without the lock could lose that write or another
// instance's, when its write of a long rule list takes longer.)
constexpr std::chrono::milliseconds kQuittingLockWait{250};

// Changes come in bursts (a write makes a new file and renames it over the old one); they are
// read once, this long after the first.
constexpr std::chrono::milliseconds kRereadDelay{50};

// A file left empty, cut off or replaced by something else for this long after its last change is
// no editor's work in progress: the values held are written over it.
constexpr std::chrono::seconds kBrokenFileWait{3};

}  // namespace

struct JsonFileUserDefaults::Kept {
    QString path;
    std::map<QString, KeptChange> changes;
};

struct JsonFileUserDefaults::WriteOutcome {
    bool written = false;
    // Not written because another process holds the lock.
    bool lockBusy = false;
    // What the file holds afterwards.
    QVariantMap file;
    // The file holds the entries' values under every key.
    bool agreed = false;
    std::optional<FileIdentity> identity;
};

JsonFileUserDefaults::JsonFileUserDefaults(const QString& filePath) : filePath_(filePath) {
    load();
}

JsonFileUserDefaults::~JsonFileUserDefaults() {
    watcher_.reset();
    rereadTimer_.reset();
    brokenFileTimer_.reset();
    // Finishes the write under way, but not a wait for the lock; what is still unsaved is written
    // here.
    stopping_ = true;
    writer_.reset();
    ChangedKeys changed;
    bool rewrite = false;
    {
        const std::lock_guard lock(mutex_);
        changed = changed_;
        rewrite = rewrite_;
    }
    // Values held over a file that lost them (however recently) would be gone at the next start.
    rewrite = rewrite || lostValuesHeld();
    if ((!changed.empty() || rewrite) && !filePath_.isEmpty() &&
        writeChanges(entries_, changed, mergers_, LockWait::quitting).lockBusy) {
        keepChanges(changed, rewrite);
    }
}

bool JsonFileUserDefaults::lostValuesHeld() const {
    std::optional<FileIdentity> known;
    {
        const std::lock_guard lock(mutex_);
        known = knownFile_;
    }
    // Only a file that held what is held here can have lost it; one broken since the start is
    // left as it is until something is changed.
    if (filePath_.isEmpty() || entries_.isEmpty() || !known || identity(filePath_) == known) {
        return false;
    }
    const StoredFile file = readStoredFile(filePath_);
    return file.status != RegularFile::Status::read || !file.whole;
}

void JsonFileUserDefaults::writeEverythingHeld() {
    {
        const std::lock_guard lock(mutex_);
        rewrite_ = true;
    }
    save();
    // Whether that write failed is for the owner to hear, as after a change of its own.
    const std::lock_guard lock(mutex_);
    if (saveObserver_) {
        saveObserver_();
    }
}

QStringList JsonFileUserDefaults::keptPaths() const {
    const QFileInfo file(AtomicFile::resolvedPath(filePath_));
    QStringList paths;
    // Oldest first, so that a later change of a key goes over an earlier one.
    const QFileInfoList found = file.dir().entryInfoList({file.fileName() + kKeptInfix + u'*'},
                                                         QDir::Files | QDir::System | QDir::Hidden,
                                                         QDir::Time | QDir::Reversed);
    for (const QFileInfo& entry : found) {
        if (isKeptName(entry.fileName(), file.fileName())) {
            paths.append(entry.filePath());
        }
    }
    return paths;
}

std::vector<JsonFileUserDefaults::Kept> JsonFileUserDefaults::readKept() {
    std::vector<Kept> kept;
    for (const QString& path : keptPaths()) {
        const RegularFile::Contents contents = RegularFile::read(path, kMaximumFileBytes);
        auto changes = contents.status == RegularFile::Status::read ? readKeptText(contents.bytes)
                                                                    : std::nullopt;
        if (changes) {
            kept.push_back({path, std::move(*changes)});
        } else if (contents.status != RegularFile::Status::absent) {
            if (const auto moved = SetAside::moveAside(path)) {
                noteSetAsideFile(*moved);
            }
        }
    }
    return kept;
}

void JsonFileUserDefaults::keepChanges(const ChangedKeys& changed, bool everything) {
    std::map<QString, KeptChange> changes;
    if (everything) {
        // The file was gone: every value held is a change from nothing.
        for (auto it = entries_.cbegin(); it != entries_.cend(); ++it) {
            changes[it.key()].value = *it;
        }
    }
    for (const auto& [key, change] : changed) {
        changes[key] = {entryOf(entries_, key), change.base};
    }
    const QFileInfo file(AtomicFile::resolvedPath(filePath_));
    const QString name = file.fileName() + kKeptInfix +
                         QStringLiteral("%1").arg(QRandomGenerator::system()->generate64(), 16, 16,
                                                  QLatin1Char('0'));
    AtomicFile::write(file.dir().filePath(name), keptText(changes));
}

void JsonFileUserDefaults::load() {
    if (filePath_.isEmpty()) {
        return;
    }
    // Changes an instance could not write before it ended are written with the next write, once
    // the owner has set its mergers (setChangeObserver), and are in memory from then on.
    rewrite_ = !keptPaths().isEmpty();
    // Before reading: a file replaced in between then does not pass for the one read.
    const auto before = identity(filePath_);
    StoredFile file = readStoredFile(filePath_);
    switch (file.status) {
        case RegularFile::Status::absent:
            return;
        case RegularFile::Status::notRegular:
        case RegularFile::Status::tooLarge:
        case RegularFile::Status::unreadable:
            if (const auto moved = SetAside::moveAside(filePath_)) {
                noteSetAsideFile(*moved);
            }
            return;
        case RegularFile::Status::read:
            break;
    }
    entries_ = std::move(file.entries);
    if (file.whole) {
        knownFile_ = before;
    } else if (!file.bytes.isEmpty()) {
        // Copied now, so that the user hears of it at start rather than at the first change.
        keepUnreadable(file.bytes);
    }
}

bool JsonFileUserDefaults::keepUnreadable(const QByteArray& bytes) {
    // Beside the file that was read and is written, past a link, as the single entries' copies.
    const QFileInfo file(AtomicFile::resolvedPath(filePath_));
    const auto copy = SetAside::keepCopy(file.absolutePath(), file.fileName(), bytes);
    if (!copy) {
        return false;
    }
    {
        const std::lock_guard lock(mutex_);
        if (!keptCopies_.insert(*copy).second) {
            return true;
        }
    }
    noteSetAsideFile(*copy);
    return true;
}

void JsonFileUserDefaults::markChanged(const QString& key) {
    const std::lock_guard lock(mutex_);
    const auto [change, first] = changed_.try_emplace(key);
    change->second.number = ++changeCount_;
    if (first) {
        change->second.base = entryOf(entries_, key);
    }
}

JsonFileUserDefaults::WriteOutcome JsonFileUserDefaults::writeChanges(const QVariantMap& entries,
                                                                      const ChangedKeys& changed,
                                                                      const Mergers& mergers,
                                                                      LockWait wait) {
    const QString resolved = AtomicFile::resolvedPath(filePath_);
    if (!QDir().mkpath(QFileInfo(resolved).absolutePath())) {
        return {};
    }
    const auto waitFor = wait == LockWait::writer     ? std::chrono::milliseconds(kWriterLockWait)
                         : wait == LockWait::quitting ? kQuittingLockWait
                                                      : std::chrono::milliseconds(0);
    const FileLock lock(resolved + QStringLiteral(".lock"), waitFor,
                        wait == LockWait::writer ? &stopping_ : nullptr);
    if (lock.state() != FileLock::State::held) {
        WriteOutcome failed;
        failed.lockBusy = lock.state() == FileLock::State::busy;
        return failed;
    }
    const auto before = identity(filePath_);
    StoredFile file = readStoredFile(filePath_);
    switch (file.status) {
        case RegularFile::Status::absent:
            break;
        case RegularFile::Status::notRegular:
        case RegularFile::Status::tooLarge:
        case RegularFile::Status::unreadable:
            if (const auto moved = SetAside::moveAside(filePath_)) {
                noteSetAsideFile(*moved);
            }
            break;
        case RegularFile::Status::read:
            if (!file.whole && !file.bytes.isEmpty() && !keepUnreadable(file.bytes)) {
                return {};
            }
            break;
    }
    const bool readWhole = file.status == RegularFile::Status::read && file.whole;
    const auto mergerOf = [&mergers](const QString& key) {
        const auto merger = mergers.find(key);
        return merger == mergers.end() ? nullptr : &merger->second;
    };
    WriteOutcome outcome;
    // Nothing in a file that is gone or not whole is anyone's value: every value held here is
    // written, so that none is lost with it.
    outcome.file = readWhole ? file.entries : entries;
    // What instances that ended kept beside the file went before the changes made here. A key
    // that another write changed since such a change began keeps that write's value, unless its
    // merger makes one of the two.
    const std::vector<Kept> kept = readKept();
    for (const Kept& changes : kept) {
        for (const auto& [key, change] : changes.changes) {
            putOver(outcome.file, key, change.base, change.value, mergerOf(key), false);
        }
    }
    for (const auto& [key, change] : changed) {
        putOver(outcome.file, key, change.base, entryOf(entries, key), mergerOf(key), true);
    }
    outcome.agreed = sameEntries(outcome.file, entries);
    if (readWhole && sameEntries(outcome.file, file.entries)) {
        // Another instance wrote the same already.
        outcome.identity = before;
    } else if (AtomicFile::write(filePath_, documentText(outcome.file)).written) {
        outcome.identity = identity(filePath_);
    } else {
        return {};
    }
    for (const Kept& changes : kept) {
        QFile::remove(changes.path);
    }
    outcome.written = true;
    return outcome;
}

void JsonFileUserDefaults::settleWritten(const ChangedKeys& written) {
    for (const auto& [key, change] : written) {
        const auto now = changed_.find(key);
        if (now != changed_.end() && now->second.number == change.number) {
            changed_.erase(now);
        }
    }
}

bool JsonFileUserDefaults::save() {
    // Without a file the values live in memory alone, which is all that was asked for: nothing is
    // left unsaved, and there is no folder to tell the user about or to try again.
    if (filePath_.isEmpty()) {
        return true;
    }
    std::unique_lock lock(mutex_);
    if (changed_.empty() && !rewrite_) {
        unsaved_ = false;
        inUse_ = false;
        return true;
    }
    if (!writerBusy_ && !isLarge(entries_)) {
        // Only this thread starts the writer, so the file is this thread's until it returns.
        const ChangedKeys changed = changed_;
        lock.unlock();
        WriteOutcome outcome = writeChanges(entries_, changed, mergers_, LockWait::none);
        lock.lock();
        // A lock another process holds is waited for on the writer, never here.
        if (!outcome.lockBusy) {
            unsaved_ = !outcome.written;
            inUse_ = false;
            if (!outcome.written) {
                return false;
            }
            settleWritten(changed);
            rewrite_ = false;
            const ChangedKeys keep = changed_;
            lock.unlock();
            const std::vector<QString> keys = takeIn(outcome.file, keep);
            lock.lock();
            knownFile_ = outcome.identity;
            lock.unlock();
            watch();
            tellChanges(keys);
            return true;
        }
    }
    // The entries share their values with the copy; only the keys are copied.
    handedOver_ = Handover{entries_, changed_, takenInCount_, mergers_};
    if (!writerBusy_) {
        writerBusy_ = true;
        if (!writer_) {
            writer_ = std::make_unique<SerialQueue>("preferences-writer");
        }
        writer_->async([this] { writeHandedOver(); });
    }
    return !unsaved_;
}

void JsonFileUserDefaults::writeHandedOver() {
    std::unique_lock lock(mutex_);
    while (handedOver_) {
        const Handover handover = *std::exchange(handedOver_, std::nullopt);
        lock.unlock();
        const WriteOutcome outcome =
            writeChanges(handover.entries, handover.changed, handover.mergers, LockWait::writer);
        lock.lock();
        unsaved_ = !outcome.written;
        inUse_ = outcome.lockBusy;
        if (outcome.written) {
            settleWritten(handover.changed);
            rewrite_ = false;
            // Values of another instance found in the file are taken in on the main thread,
            // through the watcher; until then the file is not known.
            const bool known = outcome.agreed && handover.takenIn == takenInCount_;
            knownFile_ = known ? outcome.identity : std::nullopt;
        }
        if (saveObserver_) {
            saveObserver_();
        }
    }
    writerBusy_ = false;
}

std::vector<QString> JsonFileUserDefaults::takeIn(const QVariantMap& file,
                                                  const ChangedKeys& keep) {
    std::vector<QString> keys;
    for (auto it = file.begin(); it != file.end(); ++it) {
        const auto mine = entries_.constFind(it.key());
        if (!holds(keep, it.key()) && (mine == entries_.cend() || !sameEntry(*mine, *it))) {
            entries_.insert(it.key(), *it);
            keys.push_back(it.key());
        }
    }
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!file.contains(it.key()) && !holds(keep, it.key())) {
            keys.push_back(it.key());
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
    if (!keys.empty()) {
        const std::lock_guard lock(mutex_);
        ++takenInCount_;
    }
    return keys;
}

void JsonFileUserDefaults::tellChanges(const std::vector<QString>& keys) const {
    if (!keys.empty() && changeObserver_) {
        changeObserver_(keys);
    }
}

void JsonFileUserDefaults::takeInChanges() {
    if (filePath_.isEmpty()) {
        return;
    }
    // A write replaces the file, which the watch on it does not follow.
    watch();
    const auto current = identity(filePath_);
    ChangedKeys keep;
    bool heldWhole = false;
    {
        const std::lock_guard lock(mutex_);
        if (current && current == knownFile_) {
            return;
        }
        heldWhole = knownFile_.has_value();
        // The writer's own file is known only once its write is done; until then a new file may
        // well be its own, and the file is looked at again later.
        if (writerBusy_) {
            if (rereadTimer_) {
                rereadTimer_->start();
            }
            return;
        }
        // Keys changed here and not yet written keep their values; only this thread starts the
        // writer, so none is settled while the file is read.
        keep = changed_;
    }
    const StoredFile file = readStoredFile(filePath_);
    if (file.status == RegularFile::Status::absent) {
        // Removed: what is held here is written again at once rather than lost with it at the
        // next start.
        if (!entries_.isEmpty()) {
            writeEverythingHeld();
        }
        return;
    }
    // A file being written in place (an editor) may be empty or cut off for a moment; it is read
    // again after its next change. One that held the values held here and stays unreadable is set
    // aside and replaced by them at the next write, a while after its last change, or at the end,
    // whichever comes first.
    if (file.status != RegularFile::Status::read || !file.whole) {
        if (brokenFileTimer_ && heldWhole && !entries_.isEmpty()) {
            brokenFileTimer_->start();
        }
        return;
    }
    if (brokenFileTimer_) {
        brokenFileTimer_->stop();
    }
    const std::vector<QString> keys = takeIn(file.entries, keep);
    {
        const std::lock_guard lock(mutex_);
        knownFile_ = current;
    }
    tellChanges(keys);
}

void JsonFileUserDefaults::setChangeObserver(ChangeObserver observer) {
    changeObserver_ = std::move(observer);
    if (!changeObserver_) {
        watcher_.reset();
        rereadTimer_.reset();
        brokenFileTimer_.reset();
        return;
    }
    // Its mergers are set by now: changes kept beside the file by an instance that ended can be
    // merged in.
    if (rewrite_) {
        save();
    }
    // The watcher's signals need an event loop, which only a running application has.
    if (watcher_ || filePath_.isEmpty() || QCoreApplication::instance() == nullptr) {
        return;
    }
    watcher_ = std::make_unique<QFileSystemWatcher>();
    rereadTimer_ = std::make_unique<QTimer>();
    rereadTimer_->setSingleShot(true);
    rereadTimer_->setInterval(kRereadDelay);
    QObject::connect(rereadTimer_.get(), &QTimer::timeout, rereadTimer_.get(),
                     [this] { takeInChanges(); });
    brokenFileTimer_ = std::make_unique<QTimer>();
    brokenFileTimer_->setSingleShot(true);
    brokenFileTimer_->setInterval(kBrokenFileWait);
    QObject::connect(brokenFileTimer_.get(), &QTimer::timeout, brokenFileTimer_.get(),
                     [this] { writeEverythingHeld(); });
    const auto reread = [timer = rereadTimer_.get()] {
        if (!timer->isActive()) {
            timer->start();
        }
    };
    QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, watcher_.get(), reread);
    QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, watcher_.get(), reread);
    watch();
    // What changed since the file was read.
    reread();
}

void JsonFileUserDefaults::watch() {
    if (!watcher_) {
        return;
    }
    const QString file = AtomicFile::resolvedPath(filePath_);
    // Before the first write there may be no folder yet; the nearest one there is shows it come.
    QString folder = QFileInfo(file).absolutePath();
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath()) {
        folder = QFileInfo(folder).absolutePath();
    }
    QStringList paths{folder};
    if (QFileInfo(file).isFile()) {
        paths.append(file);
    }
    // Watched afresh each time: the file watched before may be one a rename has replaced.
    const QStringList watched = watcher_->files() + watcher_->directories();
    if (!watched.isEmpty()) {
        watcher_->removePaths(watched);
    }
    watcher_->addPaths(paths);
}

std::optional<JsonFileUserDefaults::FileIdentity> JsonFileUserDefaults::identity(
    const QString& path) {
    struct stat entry {};
    if (::stat(QFile::encodeName(path).constData(), &entry) != 0) {
        return std::nullopt;
    }
    return FileIdentity{
        static_cast<std::uint64_t>(entry.st_dev),
        static_cast<std::uint64_t>(entry.st_ino),
        static_cast<std::int64_t>(entry.st_size),
        static_cast<std::int64_t>(entry.st_mtim.tv_sec) * 1000000000 + entry.st_mtim.tv_nsec,
        static_cast<std::int64_t>(entry.st_ctim.tv_sec) * 1000000000 + entry.st_ctim.tv_nsec,
    };
}

bool JsonFileUserDefaults::hasUnsavedChanges() const {
    const std::lock_guard lock(mutex_);
    return unsaved_;
}

bool JsonFileUserDefaults::isStorageInUse() const {
    const std::lock_guard lock(mutex_);
    return unsaved_ && inUse_;
}

void JsonFileUserDefaults::setMerger(const QString& key, Merger merger) {
    if (merger) {
        mergers_.insert_or_assign(key, std::move(merger));
    } else {
        mergers_.erase(key);
    }
}

bool JsonFileUserDefaults::saveUnsavedChanges() {
    return !hasUnsavedChanges() || save();
}

void JsonFileUserDefaults::setSaveObserver(std::function<void()> observer) {
    const std::lock_guard lock(mutex_);
    saveObserver_ = std::move(observer);
}

std::optional<UserDefaults::Value> JsonFileUserDefaults::value(const QString& key) const {
    return toValue(entries_.value(key));
}

bool JsonFileUserDefaults::setValue(const QString& key, const Value& value) {
    const bool same = entries_.contains(key) && toValue(entries_.value(key)) == value;
    // Nothing to write unless the value changes or earlier changes still wait for the file.
    if (same && !hasUnsavedChanges()) {
        return true;
    }
    if (!same) {
        markChanged(key);
        entries_.insert(key, toVariant(value));
    }
    return save();
}

bool JsonFileUserDefaults::removeValue(const QString& key) {
    if (entries_.contains(key)) {
        markChanged(key);
        entries_.remove(key);
    } else if (!hasUnsavedChanges()) {
        return true;
    }
    return save();
}

bool JsonFileUserDefaults::removeAll() {
    for (auto it = entries_.cbegin(); it != entries_.cend(); ++it) {
        markChanged(it.key());
    }
    entries_.clear();
    return save();
}

std::optional<QString> JsonFileUserDefaults::storageDirectory() const {
    if (filePath_.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(AtomicFile::resolvedPath(filePath_)).absolutePath();
}

std::optional<QByteArray> JsonFileUserDefaults::storedBytes(const QString& key) const {
    if (value(key)) {
        return UserDefaults::storedBytes(key);
    }
    const auto entry = entries_.constFind(key);
    if (entry == entries_.cend()) {
        return std::nullopt;
    }
    const QJsonValue json = toJson(*entry);
    if (json.isArray()) {
        return QJsonDocument(json.toArray()).toJson(QJsonDocument::Compact);
    }
    if (json.isObject()) {
        return QJsonDocument(json.toObject()).toJson(QJsonDocument::Compact);
    }
    // A lone null: JSON documents hold only lists and objects, so wrap it and take it out again.
    const QByteArray wrapped = QJsonDocument(QJsonArray{json}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QString JsonFileUserDefaults::defaultFilePath() {
    const QString folder = productFolder(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : filePathIn(folder);
}

QString JsonFileUserDefaults::filePathIn(const QString& directory) {
    return QDir(directory).filePath(kFileName);
}

}  // namespace quillorbitex
