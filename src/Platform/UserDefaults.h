#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace quillorbitex {

// The program's preference domain: typed values under text keys. A value keeps its type (a
// Boolean stays a Boolean, data stays data), and an absent key is different from false or 0.
// Writes are stored at once. Each tells whether it reached storage; one that did not keeps the
// value for the rest of the run, and it is stored with the next write that succeeds. Storage that
// another program may write too (another instance of this one) stores only the keys changed
// here, and takes in what the other wrote under the rest.
class UserDefaults {
public:
    using Value = std::variant<bool, double, QString, QByteArray>;

    virtual ~UserDefaults() = default;

    virtual std::optional<Value> value(const QString& key) const = 0;
    virtual bool setValue(const QString& key, const Value& value) = 0;
    virtual bool removeValue(const QString& key) = 0;
    // Removes every key of the domain.
    virtual bool removeAll() = 0;
    // True while some change is held only in memory because storage could not take it.
    virtual bool hasUnsavedChanges() const { return false; }
    // Tries again to store what is held only in memory, as when storage could not take it before;
    // true when nothing is left unsaved. Storage that writes in the background may only tell
    // later, through the save observer.
    virtual bool saveUnsavedChanges() { return !hasUnsavedChanges(); }
    // Storage that writes in the background calls `observer` after such writes, on its writing
    // thread and while the storage is locked, so that hasUnsavedChanges() can be looked at again
    // from elsewhere (not from the call); an empty one stops the calls.
    virtual void setSaveObserver(std::function<void()> observer) { (void)observer; }
    // Storage that another program writes too calls `observer` on the main thread with the keys
    // whose values it took in from there (changed, added or removed), also from within a change
    // made here: the observer must not change values itself, only note what to look at. Values
    // changed here and not yet stored are never replaced by the other program's. An empty one
    // stops the calls.
    using ChangeObserver = std::function<void(const std::vector<QString>& keys)>;
    virtual void setChangeObserver(ChangeObserver observer) { (void)observer; }
    // How a change made here goes over what another program stored under the same key since this
    // one last took it in. Given the value the change started from (`base`), the value made here
    // (`mine`) and the one stored now (`theirs`), each nothing when the key is absent, it gives
    // the value to store (nothing removes the key). It runs only when the stored value is no
    // longer `base`, on the thread that writes, so it must depend on its arguments alone. Without
    // one, `mine` is stored as it is.
    using Merger = std::function<std::optional<Value>(const std::optional<Value>& base,
                                                      const std::optional<Value>& mine,
                                                      const std::optional<Value>& theirs)>;
    virtual void setMerger(const QString& key, Merger merger) {
        (void)key;
        (void)merger;
    }
    // True while the changes held only in memory wait because another program holds the storage
    // (it is writing, or keeps it locked), rather than because it cannot be written.
    virtual bool isStorageInUse() const { return false; }
    // The folder the values are stored in, when they live on disk (where a symbolic link leads,
    // not where it lies); files that belong with the preferences (such as copies of values that
    // could not be read) go there.
    virtual std::optional<QString> storageDirectory() const = 0;
    // What is stored under `key` as bytes, whatever its form (also an entry of no type above,
    // such as one edited by hand), so that it can be copied aside; nothing when the key is
    // absent. Data as it is, text as UTF-8, Booleans as "true"/"false", numbers in full.
    virtual std::optional<QByteArray> storedBytes(const QString& key) const;

    // The value as a Boolean: a Boolean as it is, a number when it is not 0, a text when it
    // starts (after blanks) with Y, y, T, t or a digit 1 to 9; anything else, absence included,
    // is false.
    bool boolValue(const QString& key) const;
    // The value when it is data, else nothing.
    std::optional<QByteArray> dataValue(const QString& key) const;
    // The value when it is text, else nothing.
    std::optional<QString> stringValue(const QString& key) const;
    // The value when it is a number, else nothing.
    std::optional<double> numberValue(const QString& key) const;
    bool contains(const QString& key) const { return value(key).has_value(); }

    // Files that stored data which could not be read was put into (copied or moved aside), so
    // that the user can be told; each is handed out once, in the order they were made. Storage
    // may note them on the thread it writes on.
    void noteSetAsideFile(const QString& path) {
        const std::lock_guard lock(setAsideMutex_);
        setAsideFiles_.push_back(path);
    }
    std::vector<QString> takeSetAsideFiles() {
        const std::lock_guard lock(setAsideMutex_);
        return std::exchange(setAsideFiles_, {});
    }

private:
    std::mutex setAsideMutex_;
    std::vector<QString> setAsideFiles_;
};

}  // namespace quillorbitex
