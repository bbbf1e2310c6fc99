#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>

#include "Platform/SerialQueue.h"
#include "Platform/UserDefaults.h"

class QFileSystemWatcher;
class QTimer;

namespace quillorbitex {

// Preferences in one JSON file: Booleans, numbers and texts are stored as such, data as
// {"data": "<Base64>"}, so every value reads back with its type. The file is read when the object
// is made; each change is written to disk at once, atomically, and a change that leaves the
// stored value as it is writes nothing. A change the file cannot take stays in memory and is
// written with the next write that succeeds, or when the object goes.
//
// Another instance may use the same file (one on each of two displays sharing the home). So a
// write stores only the keys changed here since they last reached the file: under an exclusive
// lock on "<file>.lock" beside the file (past a link), it reads the file as it is then, puts
// those keys over it and replaces it; the other keys take the file's values in memory too. A key
// with a merger (setMerger) whose stored value moved on since the change here began is stored as
// the merger combines the two. The main thread never waits for the lock: when another process
// holds it, the write goes to the writing thread below, which waits up to a second and otherwise
// leaves the change unsaved, as a failed write does, saying that the storage is in use. The
// object's end waits a quarter of a second for the lock at most; then it keeps what is unsaved in
// a file of its own beside the file ("<file>.unsaved-<16 hex digits>"), which the next write of
// any instance merges in (a key another write changed meanwhile keeps that value, unless its
// merger makes one of the two) and removes. So quitting neither hangs nor loses the change.
// Given a change observer and a running Qt application, the object also watches the file and,
// after each change there, takes in every value that was not changed here since its last write
// and tells the observer which keys it took in (takeInChanges).
//
// A file that is gone, empty or cannot be read whole holds no values of anyone's: nothing is taken
// in from it, and the next write stores every value held here (a file found gone is written again
// at once). Values held over a file that lost them are also written a few seconds after its last
// change (an editor writing in place is done by then) and, at the latest, when the object goes.
// Only values read from a whole file replace those held here.
//
// Values read back at once, but a large file (long rule lists) takes longer than a frame to
// write, so it is written on a thread of its own: each change hands over the entries as they
// are with the keys changed, and changes made while a write is under way are written together
// afterwards. Until the file is small again and no such write is left, writes go that way and
// say only whether the last one done failed; the save observer hears of each outcome. What such
// a write found in the file is taken in through the watcher. The object's end waits for the last
// write.
//
// What cannot be read is kept before anything replaces it (SetAside): a file that does not parse
// is copied to "<its name>.unreadable-<hash>" beside it, past a link, where the copies of single
// entries go too (storageDirectory); while that copy cannot be made, the file is not replaced:
// changes stay in memory as unsaved. Anything at the path that is not a regular file (a folder, a
// FIFO, a device) or is larger than 256 MiB is moved, itself and unread, to
// "<path>.unreadable-<UTC time>", so that reading never blocks nor fills the memory. Bytes that
// are not UTF-8 spoil only the entries that hold them; the others are read.
//
// With an empty path (no folder could be had) the values live in memory alone: nothing is read
// or written, every write succeeds and there is no storage folder. Main thread only.
class JsonFileUserDefaults final : public UserDefaults {
public:
    explicit JsonFileUserDefaults(const QString& filePath = defaultFilePath());
    ~JsonFileUserDefaults() override;

    JsonFileUserDefaults(const JsonFileUserDefaults&) = delete;
    JsonFileUserDefaults& operator=(const JsonFileUserDefaults&) = delete;

    std::optional<Value> value(const QString& key) const override;
    bool setValue(const QString& key, const Value& value) override;
    bool removeValue(const QString& key) override;
    bool removeAll() override;
    bool hasUnsavedChanges() const override;
    bool isStorageInUse() const override;
    bool saveUnsavedChanges() override;
    void setSaveObserver(std::function<void()> observer) override;
    // Also starts watching the file, when a Qt application runs.
    void setChangeObserver(ChangeObserver observer) override;
    void setMerger(const QString& key, Merger merger) override;
    std::optional<QString> storageDirectory() const override;
    // Also an entry of another shape (a list or an object that is not the data form), as
    // compact JSON.
    std::optional<QByteArray> storedBytes(const QString& key) const override;

    const QString& filePath() const { return filePath_; }

    // Reads the file again and takes in the value of every key not changed here since it was
    // last written (a file that is there but cannot be read whole is left for the next write to
    // set aside; one that is gone is written again with every value held); the change observer
    // hears which keys took a new value. What this object wrote itself changes nothing. The
    // watcher calls it shortly after each change of the file.
    void takeInChanges();

    // "$XDG_CONFIG_HOME/Quillorbitex/preferences.json" (see productFolder); empty without any
    // folder.
    static QString defaultFilePath();
    // "preferences.json" inside `directory`.
    static QString filePathIn(const QString& directory);

private:
    // A key changed here and not yet in the file: the number of its latest change, so that a
    // write finishing on the writer leaves a key changed again meanwhile as changed, and the
    // value its first change started from (nothing: absent), for its merger.
    struct Change {
        std::uint64_t number = 0;
        std::optional<QVariant> base;
    };
    using ChangedKeys = std::map<QString, Change>;
    using Mergers = std::map<QString, Merger>;
    // What the writer is handed: the entries as they were, the keys to write from them, how
    // often values had been taken in from the file by then, and the mergers.
    struct Handover {
        QVariantMap entries;
        ChangedKeys changed;
        std::uint64_t takenIn = 0;
        Mergers mergers;
    };
    // How long a write waits for another process's lock on the file.
    enum class LockWait {
        // Not at all: the main thread hands the write to the writer instead.
        none,
        // A while, unless the object is going.
        writer,
        // Briefly, as the object goes.
        quitting,
    };
    // Device, inode, size and change times of the file as stat() gives them.
    struct FileIdentity {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modified = 0;
        std::int64_t changed = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    struct WriteOutcome;
    // Changes of an instance that ended, kept beside the file.
    struct Kept;

    void load();
    // Call before the entry changes: the first change of a key since it was written keeps what
    // the entry held.
    void markChanged(const QString& key);
    // Writes the changed keys over the file, or hands them to the writer; false when a write is
    // known to have failed since the last one that succeeded.
    bool save();
    // On the writer: writes what was handed over until nothing is left.
    void writeHandedOver();
    // Under the file's lock: reads the file, puts the changed keys of `entries` over it (through
    // their mergers) and replaces it; a file that is gone or not whole is replaced by `entries`.
    // Touches nothing of the object but the notes of files set aside.
    WriteOutcome writeChanges(const QVariantMap& entries, const ChangedKeys& changed,
                              const Mergers& mergers, LockWait wait);
    // The files of changes kept beside the file, oldest first.
    QStringList keptPaths() const;
    // The changes kept beside the file, oldest first; a file of them that cannot be read is moved
    // aside.
    std::vector<Kept> readKept();
    // Keeps the changed keys (with `everything`, every value held) in a file of their own beside
    // the file, for the next write of any instance to take in.
    void keepChanges(const ChangedKeys& changed, bool everything);
    // Whether the file held the values held here when last read or written and no longer does:
    // it was emptied, cut off, replaced by something that is not a file, or removed.
    bool lostValuesHeld() const;
    // Writes every value held over the file (setting aside what cannot be read), and tells the
    // save observer how that went.
    void writeEverythingHeld();
    // Marks the keys written as no longer changed, unless changed again since.
    void settleWritten(const ChangedKeys& written);
    // Copies a file that could not be read whole aside, once; false when no copy could be made
    // and the file must not be replaced.
    bool keepUnreadable(const QByteArray& bytes);
    // Takes the file's value of every key but `keep` into memory; the keys that took a new one.
    std::vector<QString> takeIn(const QVariantMap& file, const ChangedKeys& keep);
    void tellChanges(const std::vector<QString>& keys) const;
    // Watches the folder of the file (or the nearest one there is) and the file itself.
    void watch();
    static std::optional<FileIdentity> identity(const QString& path);

    const QString filePath_;
    QVariantMap entries_;
    ChangeObserver changeObserver_;
    std::unique_ptr<QFileSystemWatcher> watcher_;
    // Gathers the bursts of changes one write makes (a new file, a rename) into one reading.
    std::unique_ptr<QTimer> rereadTimer_;
    // Runs from each reading that found the file broken, until it is whole again.
    std::unique_ptr<QTimer> brokenFileTimer_;
    std::uint64_t changeCount_ = 0;
    // Shared with the writer.
    mutable std::mutex mutex_;
    ChangedKeys changed_;
    // Counts the times values were taken in from the file.
    std::uint64_t takenInCount_ = 0;
    // The file as last read or written while memory held what it holds (but for changed keys):
    // while it is still there, there is nothing to take in.
    std::optional<FileIdentity> knownFile_;
    std::optional<Handover> handedOver_;
    // Copies of unreadable files already noted, so that each is told once.
    std::set<QString> keptCopies_;
    Mergers mergers_;
    bool writerBusy_ = false;
    bool unsaved_ = false;
    // The last write could not have the lock.
    bool inUse_ = false;
    // The file was found gone: the next write stores every value held, also with none changed.
    bool rewrite_ = false;
    // The object is going: a wait for the lock on the writer ends at once.
    std::atomic<bool> stopping_ = false;
    std::function<void()> saveObserver_;
    // Made with the first large write; goes first, so that its thread ends before the above.
    std::unique_ptr<SerialQueue> writer_;
};

}  // namespace quillorbitex
