#include "Application/FeedUpdater.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

#include "Application/VersionComparison.h"
#include "Platform/ApplicationIdentifier.h"

namespace quillorbitex {

FeedUpdater::FeedUpdater(BundleInfo bundle, Executor& executor, const Clock& clock,
                         std::shared_ptr<UpdatePresenter> presenter,
                         std::shared_ptr<UpdaterWindowDelegate> windowDelegate,
                         FeedReader readNewest, QObject* parent)
    : QObject(parent),
      bundle_(std::move(bundle)),
      executor_(executor),
      clock_(clock),
      presenter_(std::move(presenter)),
      windowDelegate_(std::move(windowDelegate)),
      readNewest_(std::move(readNewest)) {}

FeedUpdater::~FeedUpdater() {
    abandonFetch();
    // A feed being read stops at its next piece of markup; what it would have reported goes with
    // this object's events.
    stopReading_.request_stop();
    reader_.reset();
}

void FeedUpdater::start() {
    if (started_) {
        return;
    }
    started_ = true;
    scheduleAutomaticCheck();
}

void FeedUpdater::setAutomaticallyChecksForUpdates(bool enabled) {
    if (enabled == automatic_) {
        return;
    }
    automatic_ = enabled;
    scheduleAutomaticCheck();
}

void FeedUpdater::checkForUpdates() {
    beginCheck(true);
}

void FeedUpdater::scheduleAutomaticCheck() {
    const std::uint64_t generation = ++scheduleGeneration_;
    if (!started_ || !automatic_) {
        return;
    }
    Duration delay = firstAutomaticCheckDelay;
    if (lastCheck_) {
        delay = std::max(Duration::zero(), *lastCheck_ + automaticCheckInterval - clock_.now());
    }
    executor_.asyncAfter(delay, [self = QPointer<FeedUpdater>(this), generation] {
        if (self && self->scheduleGeneration_ == generation) {
            self->beginCheck(false);
        }
    });
}

void FeedUpdater::beginCheck(bool userInitiated) {
    if (session_) {
        // A scheduled fetch in flight answers the user's request too; an open window already shows
        // an answer, which the user is shown again.
        session_->userInitiated = session_->userInitiated || userInitiated;
        if (userInitiated && session_->presented && presenter_) {
            presenter_->bringToFront();
        }
        if (!userInitiated) {
            scheduleAutomaticCheck();
        }
        return;
    }
    session_ = Session{nextSessionId_++, userInitiated};
    lastCheck_ = clock_.now();
    scheduleAutomaticCheck();

    // An address Qt cannot fetch ends as a network error, like any other unreachable feed.
    QNetworkRequest request(QUrl(bundle_.feedURL.trimmed(), QUrl::StrictMode));
    request.setTransferTimeout(static_cast<int>(transferTimeout.count()));
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(bundle_.displayName, bundle_.version));
    replyTooLarge_ = false;
    reply_ = network_.get(request);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > maximumFeedSize || total > maximumFeedSize) {
            replyTooLarge_ = true;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::finished, this, &FeedUpdater::fetchFinished);
}

void FeedUpdater::fetchFinished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    if (reply == nullptr) {
        return;
    }
    reply->deleteLater();
    UpdateCheckOutcome outcome{UpdateCheckOutcome::Kind::unreadable, bundle_.version, {}};
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (replyTooLarge_) {
        outcome.kind = UpdateCheckOutcome::Kind::unreadable;
    } else if (reply->error() != QNetworkReply::NoError) {
        outcome.kind =
            answered ? UpdateCheckOutcome::Kind::unreadable : UpdateCheckOutcome::Kind::unreachable;
    } else {
        readFeed(reply->readAll());
        return;
    }
    finishCheck(std::move(outcome));
}

void FeedUpdater::readFeed(QByteArray feed) {
    if (!reader_) {
        reader_ =
            std::make_unique<SerialQueue>(std::string(kApplicationIdentifier) + ".feed-reader");
    }
    reader_->async(
        [this, feed = std::move(feed), version = bundle_.version, stop = stopReading_.get_token()] {
            UpdateCheckOutcome outcome{UpdateCheckOutcome::Kind::unreadable, version, {}};
            if (auto newest = readNewest_(feed, stop)) {
                outcome.kind = compareVersions(newest->version, version) > 0
                                   ? UpdateCheckOutcome::Kind::updateAvailable
                                   : UpdateCheckOutcome::Kind::upToDate;
                outcome.newest = std::move(newest);
            }
            // The destructor waits for this task, so the object is still there to be posted to.
            QMetaObject::invokeMethod(
                this, [this, outcome = std::move(outcome)] { finishCheck(outcome); },
                Qt::QueuedConnection);
        });
}

void FeedUpdater::finishCheck(UpdateCheckOutcome outcome) {
    Q_EMIT checkFinished();
    if (!session_) {
        return;
    }
    const std::uint64_t id = session_->id;
    const bool show =
        session_->userInitiated || outcome.kind == UpdateCheckOutcome::Kind::updateAvailable;
    if (!show || !presenter_) {
        endSession(id);
        return;
    }
    if (windowDelegate_) {
        windowDelegate_->updaterWillShowWindow();
    }
    session_->presented = true;
    presenter_->present(outcome, [self = QPointer<FeedUpdater>(this), id] {
        if (self) {
            self->endSession(id);
        }
    });
}

void FeedUpdater::endSession(std::uint64_t id) {
    if (!session_ || session_->id != id) {
        return;  // a presenter reporting twice, or a session that already ended
    }
    session_.reset();
    if (windowDelegate_) {
        windowDelegate_->updaterWillFinishSession();
    }
}

void FeedUpdater::abandonFetch() {
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

}  // namespace quillorbitex
