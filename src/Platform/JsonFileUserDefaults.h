#pragma once

#include <QString>
#include <QVariantMap>
#include <memory>
#include <mutex>
#include <optional>

#include "Platform/SerialQueue.h"
#include "Platform/UserDefaults.h"

namespace quillorbitex {

// Preferences in one JSON file: Booleans, numbers and texts are stored as such, data as
// {"data": "<Base64>"}, so every value reads back with its type. The file is read once, when the
// object is made; each change is written to disk at once, atomically, and a change that leaves
// the stored value as it is writes nothing. A change the file cannot take stays in memory and is
// written with the next write that succeeds, or when the object goes.
//
// Values read back at once, but a large file (long rule lists) takes longer than a frame to
// write, so it is written on a thread of its own: each change hands over the entries as they
// are, and changes made while a write is under way are written together afterwards. Until the
// file is small again and no such write is left, writes go that way and say only whether the
// last one done failed; the save observer hears of each outcome. The object's end waits for the
// last write.
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
    bool saveUnsavedChanges() override;
    void setSaveObserver(std::function<void()> observer) override;
    std::optional<QString> storageDirectory() const override;
    // Also an entry of another shape (a list or an object that is not the data form), as
    // compact JSON.
    std::optional<QByteArray> storedBytes(const QString& key) const override;

    const QString& filePath() const { return filePath_; }

    // "$XDG_CONFIG_HOME/Quillorbitex/preferences.json" (see productFolder); empty without any
    // folder.
    static QString defaultFilePath();
    // "preferences.json" inside `directory`.
    static QString filePathIn(const QString& directory);

private:
    void load();
    void setAside();
    // Copies a file that could not be read aside if that is still to be done; false while it
    // cannot be, and the file must not be replaced.
    bool keepUnreadableFile();
    // Writes every entry, or hands them to the writer; false when a write is known to have
    // failed since the last one that succeeded.
    bool save();
    // On the writer: writes what was handed over until nothing is left.
    void writeHandedOver();

    const QString filePath_;
    QVariantMap entries_;
    // The content of a file that could not be read and has no copy yet.
    std::optional<QByteArray> unkeptContent_;
    // Shared with the writer.
    mutable std::mutex mutex_;
    std::optional<QVariantMap> handedOver_;
    bool writerBusy_ = false;
    bool unsaved_ = false;
    std::function<void()> saveObserver_;
    // Made with the first large write; goes first, so that its thread ends before the above.
    std::unique_ptr<SerialQueue> writer_;
};

}  // namespace quillorbitex
