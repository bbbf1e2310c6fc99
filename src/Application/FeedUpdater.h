#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

#include "Application/BundleInfo.h"
#include "Application/UpdatePresenter.h"
#include "Platform/Executor.h"
#include "Platform/SerialQueue.h"
#include "Platform/Updater.h"

class QNetworkReply;

namespace quillorbitex {

// The program's updater: fetches the update feed named in the program's information, compares the
// newest release with our version and shows the answer. It installs nothing; the user downloads the
// new version from the link it shows.
//
// One session at a time: a check, then its window while it is open. A check asked for while that
// window is open brings the window forward instead (it may lie behind the dashboard). A check the
// user asked for always shows its outcome; a scheduled one only shows a newer version and stays
// silent otherwise. Scheduled checks run a minute after the schedule starts and then a day after
// the last check of either kind. Main thread; the feed is read on a thread of its own, so that
// however large or hostile it is the program goes on answering meanwhile, and destroying the
// updater stops that reading rather than waiting for it.
class FeedUpdater final : public QObject, public Updater {
    Q_OBJECT

public:
    // Reads the newest release of a feed; gives up with nothing once `stop` is requested.
    using FeedReader =
        std::function<std::optional<AppcastItem>(const QByteArray& feed, std::stop_token stop)>;

    static constexpr Duration firstAutomaticCheckDelay = std::chrono::minutes(1);
    static constexpr Duration automaticCheckInterval = std::chrono::hours(24);
    // A feed is a short list of releases; anything larger is not one.
    static constexpr std::int64_t maximumFeedSize = 4 * 1024 * 1024;
    // No data for this long ends a fetch as unreachable.
    static constexpr std::chrono::milliseconds transferTimeout{30000};

    // `executor` and `clock` drive the schedule; `windowDelegate` may be null.
    FeedUpdater(BundleInfo bundle, Executor& executor, const Clock& clock,
                std::shared_ptr<UpdatePresenter> presenter,
                std::shared_ptr<UpdaterWindowDelegate> windowDelegate,
                FeedReader readNewest = &AppcastItem::newestInFeed, QObject* parent = nullptr);
    ~FeedUpdater() override;

    void start() override;
    bool automaticallyChecksForUpdates() const override { return automatic_; }
    void setAutomaticallyChecksForUpdates(bool enabled) override;
    void checkForUpdates() override;

    // Whether a check or its window is in progress.
    bool isSessionActive() const { return session_.has_value(); }

Q_SIGNALS:
    // A check has its outcome, just before it is shown (or not shown).
    void checkFinished();

private:
    struct Session {
        std::uint64_t id = 0;
        bool userInitiated = false;
        // The outcome's window is open.
        bool presented = false;
    };

    void beginCheck(bool userInitiated);
    void scheduleAutomaticCheck();
    void fetchFinished();
    void readFeed(QByteArray feed);
    void finishCheck(UpdateCheckOutcome outcome);
    void endSession(std::uint64_t id);
    void abandonFetch();

    BundleInfo bundle_;
    Executor& executor_;
    const Clock& clock_;
    std::shared_ptr<UpdatePresenter> presenter_;
    std::shared_ptr<UpdaterWindowDelegate> windowDelegate_;
    QNetworkAccessManager network_{this};
    QPointer<QNetworkReply> reply_;
    bool replyTooLarge_ = false;

    bool started_ = false;
    bool automatic_ = false;
    // Scheduled tasks of an older schedule find a different generation and do nothing.
    std::uint64_t scheduleGeneration_ = 0;
    std::optional<Duration> lastCheck_;
    std::optional<Session> session_;
    std::uint64_t nextSessionId_ = 1;
    FeedReader readNewest_;
    // Requested as the updater goes, so that a feed being read does not hold up quitting.
    std::stop_source stopReading_;
    // Made with the first feed that arrives.
    std::unique_ptr<SerialQueue> reader_;
};

}  // namespace quillorbitex
