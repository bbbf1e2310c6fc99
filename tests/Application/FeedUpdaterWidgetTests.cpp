#include <gtest/gtest.h>

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <string>
#include <vector>

#include "Application/FeedUpdater.h"
#include "support/LocalHttpServer.h"
#include "support/ManualExecutor.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

using Kind = UpdateCheckOutcome::Kind;
using namespace std::chrono_literals;

constexpr int kNetworkWaitMs = 10000;

class RecordingPresenter final : public UpdatePresenter {
public:
    void present(const UpdateCheckOutcome& outcome, std::function<void()> closed) override {
        shown.push_back(outcome);
        close = std::move(closed);
    }
    void bringToFront() override { ++broughtToFront; }
    std::vector<UpdateCheckOutcome> shown;
    int broughtToFront = 0;
    std::function<void()> close;
};

class RecordingWindowDelegate final : public UpdaterWindowDelegate {
public:
    void updaterWillShowWindow() override { calls.emplace_back("show"); }
    void updaterWillFinishSession() override { calls.emplace_back("finish"); }
    std::vector<std::string> calls;
};

QByteArray feedOffering(const char* version) {
    return QByteArray(R"(<?xml version="1.0"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>
<item><sparkle:version>)") +
           version + R"(</sparkle:version><description>Notes of )" + version +
           R"(</description>
<enclosure url="https://downloads.example.org/quillorbitex.tar.gz"/></item></channel></rss>)";
}

class FeedUpdaterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server_.isListening()); }

    BundleInfo bundle(const QString& feed) const {
        return BundleInfo{QStringLiteral("org.quillorbitex.Quillorbitex"),
                          QStringLiteral("Quillorbitex"), QStringLiteral("0.2.0"), feed,
                          QString::fromLatin1(QByteArray(32, 'k').toBase64())};
    }

    // Runs `trigger` and waits, bounded, until the check it starts has its outcome.
    static bool checkCompletes(FeedUpdater& updater, const std::function<void()>& trigger) {
        QSignalSpy finished(&updater, &FeedUpdater::checkFinished);
        trigger();
        return finished.count() > 0 || finished.wait(kNetworkWaitMs);
    }

    testing::LocalHttpServer server_;
    testing::ManualExecutor executor_;
    std::shared_ptr<RecordingPresenter> presenter_ = std::make_shared<RecordingPresenter>();
    std::shared_ptr<RecordingWindowDelegate> delegate_ =
        std::make_shared<RecordingWindowDelegate>();
};

TEST_F(FeedUpdaterTest, AskedChecksAlwaysAnswerAndRecoverFromBrokenFeeds) {
    FeedUpdater updater(bundle(server_.url().toString()), executor_, executor_, presenter_,
                        delegate_);
    const struct {
        const char* name;
        int status;
        QByteArray body;
        bool hangUp;
        Kind kind;
        QString newestVersion;
    } cases[] = {
        {"newer version", 200, feedOffering("0.3.0"), false, Kind::updateAvailable, "0.3.0"},
        {"same version", 200, feedOffering("0.2.0"), false, Kind::upToDate, "0.2.0"},
        {"missing feed", 404, "not here", false, Kind::unreadable, {}},
        {"a web page", 200, "<html><body>hi</body></html>", false, Kind::unreadable, {}},
        {"too large",
         200,
         QByteArray(FeedUpdater::maximumFeedSize + 1, ' '),
         false,
         Kind::unreadable,
         {}},
        {"connection dropped", 200, {}, true, Kind::unreachable, {}},
        {"working again", 200, feedOffering("1.0"), false, Kind::updateAvailable, "1.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        presenter_->shown.clear();
        delegate_->calls.clear();
        server_.respond(c.status, c.body);
        if (c.hangUp) {
            server_.hangUp();
        }

        ASSERT_TRUE(checkCompletes(updater, [&] { updater.checkForUpdates(); }));
        ASSERT_EQ(presenter_->shown.size(), 1u);
        const UpdateCheckOutcome& outcome = presenter_->shown[0];
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.currentVersion, QStringLiteral("0.2.0"));
        EXPECT_EQ(outcome.newest ? outcome.newest->version : QString(), c.newestVersion);
        if (c.kind == Kind::updateAvailable) {
            EXPECT_EQ(outcome.newest->downloadURL,
                      QUrl(QStringLiteral("https://downloads.example.org/quillorbitex.tar.gz")));
            EXPECT_EQ(outcome.newest->notes, QStringLiteral("Notes of ") + c.newestVersion);
        }

        // The session lasts until the window is closed; a second request meanwhile opens nothing
        // and brings the open window forward.
        EXPECT_TRUE(updater.isSessionActive());
        presenter_->broughtToFront = 0;
        updater.checkForUpdates();
        EXPECT_EQ(presenter_->shown.size(), 1u);
        EXPECT_EQ(presenter_->broughtToFront, 1);
        presenter_->close();
        presenter_->close();  // a presenter reporting twice ends nothing more
        EXPECT_FALSE(updater.isSessionActive());
        EXPECT_EQ(delegate_->calls, (std::vector<std::string>{"show", "finish"}));
    }
}

TEST_F(FeedUpdaterTest, TheProgramAnswersWhileALargeHostileFeedIsRead) {
    FeedUpdater updater(bundle(server_.url().toString()), executor_, executor_, presenter_,
                        delegate_);
    // Nearly as large as a feed may be, its notes full of elements, and of tags and references
    // that never end.
    QByteArray feed = feedOffering("0.3.0");
    feed.replace("Notes of 0.3.0", "<![CDATA[Shown<script>x<!--&#]]>" +
                                       QByteArray("<b>&lt;p x&amp;#</b>").repeated(90000) +
                                       QByteArray("&lt;script&gt;x&lt;p x&amp;#").repeated(75000));
    ASSERT_LT(feed.size(), FeedUpdater::maximumFeedSize);
    server_.respond(200, feed);
    auto* network = updater.findChild<QNetworkAccessManager*>();
    ASSERT_NE(network, nullptr);
    // Queued once the feed has arrived; it runs only if the feed is read without holding up the
    // event loop.
    bool answered = false;
    QObject::connect(network, &QNetworkAccessManager::finished, &updater,
                     [&] { QTimer::singleShot(0, &updater, [&] { answered = true; }); });

    ASSERT_TRUE(checkCompletes(updater, [&] { updater.checkForUpdates(); }));
    EXPECT_TRUE(answered) << "the event loop stood still while the feed was read";
    ASSERT_EQ(presenter_->shown.size(), 1u);
    EXPECT_EQ(presenter_->shown[0].kind, Kind::updateAvailable);
    EXPECT_EQ(presenter_->shown[0].newest->notes, QStringLiteral("Shown"));
}

// Quitting does not wait for a feed, however long it would take to read: the reading is asked to
// stop as the updater goes.
TEST_F(FeedUpdaterTest, GoingAwayStopsTheFeedBeingRead) {
    std::atomic<bool> reading = false;
    std::atomic<bool> stopped = false;
    auto updater = std::make_unique<FeedUpdater>(
        bundle(server_.url().toString()), executor_, executor_, presenter_, delegate_,
        [&](const QByteArray&, std::stop_token stop) -> std::optional<AppcastItem> {
            reading = true;
            // Bounded: an updater that waits for the reading fails the test rather than hangs it.
            stopped = testing::waitUntil([&] { return stop.stop_requested(); });
            return std::nullopt;
        });
    server_.respond(200, feedOffering("0.3.0"));
    updater->checkForUpdates();
    ASSERT_TRUE(QTest::qWaitFor([&] { return reading.load(); }, kNetworkWaitMs));

    updater.reset();
    EXPECT_TRUE(stopped);
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(presenter_->shown.empty());
}

TEST_F(FeedUpdaterTest, ScheduledChecksRunDailyAndOnlyShowNewerVersions) {
    FeedUpdater updater(bundle(server_.url().toString()), executor_, executor_, presenter_,
                        delegate_);
    server_.respond(200, feedOffering("0.2.0"));

    // Switched on before the start: nothing runs until started.
    updater.setAutomaticallyChecksForUpdates(true);
    executor_.advance(FeedUpdater::automaticCheckInterval * 2);
    EXPECT_FALSE(updater.isSessionActive());

    updater.start();
    executor_.advance(FeedUpdater::firstAutomaticCheckDelay - 1s);
    EXPECT_FALSE(updater.isSessionActive());
    ASSERT_TRUE(checkCompletes(updater, [&] { executor_.advance(1s); }));
    // Up to date: nothing shown, and the session is over.
    EXPECT_TRUE(presenter_->shown.empty());
    EXPECT_FALSE(updater.isSessionActive());
    EXPECT_EQ(server_.requestCount(), 1);

    server_.respond(200, feedOffering("0.4.0"));
    executor_.advance(FeedUpdater::automaticCheckInterval - 1s);
    EXPECT_FALSE(updater.isSessionActive());
    ASSERT_TRUE(checkCompletes(updater, [&] { executor_.advance(1s); }));
    ASSERT_EQ(presenter_->shown.size(), 1u);
    EXPECT_EQ(presenter_->shown[0].kind, Kind::updateAvailable);
    presenter_->close();

    // A check the user asks for starts the day again.
    executor_.advance(12h);
    ASSERT_TRUE(checkCompletes(updater, [&] { updater.checkForUpdates(); }));
    presenter_->close();
    executor_.advance(FeedUpdater::automaticCheckInterval - 1s);
    EXPECT_FALSE(updater.isSessionActive());
    ASSERT_TRUE(checkCompletes(updater, [&] { executor_.advance(1s); }));
    presenter_->close();
    EXPECT_EQ(server_.requestCount(), 4);

    // Switched off: no more checks, however long the program runs.
    updater.setAutomaticallyChecksForUpdates(false);
    executor_.advance(FeedUpdater::automaticCheckInterval * 3);
    EXPECT_FALSE(updater.isSessionActive());
    EXPECT_EQ(server_.requestCount(), 4);
    EXPECT_EQ(presenter_->shown.size(), 3u);
}

}  // namespace
}  // namespace quillorbitex
