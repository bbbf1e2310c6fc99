#include "Application/SingleInstance.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "Application/TestBaseDirectory.h"
#include "Localization/L10n.h"
#include "Platform/PrivateFolder.h"
#include "Platform/ProductFolder.h"
#include "Platform/StandardError.h"

namespace quillorbitex {

namespace {

constexpr QByteArrayView kShowDashboardRequest = "show-dashboard\n";
// Anything longer is not one of our requests.
constexpr qsizetype kMaximumRequestLength = 64;
// Launches waiting to be accepted, beyond the connections already open.
constexpr int kBacklog = 64;
// Tries at listening on the name: once to find it taken, then after the socket file there went
// away, and a few more for a name that changes hands meanwhile.
constexpr int kClaimRounds = 5;
constexpr auto kLockPoll = std::chrono::milliseconds(5);

// Closes its descriptor when it goes, unless it was handed on.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            const int saved = errno;
            ::close(fd_);
            errno = saved;
        }
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// An exclusive lock on the file "<name>.lock" beside the socket, taken within `timeout`; held
// while it lives. The file is never removed: a launch that opened it just before would lock a
// file nobody else sees.
class ClaimLock {
public:
    ClaimLock(const QString& serverName, std::chrono::milliseconds timeout)
        : fd_(::open(QFile::encodeName(serverName + QStringLiteral(".lock")).constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {
        if (fd_.get() < 0) {
            return;
        }
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) ||
                std::chrono::steady_clock::now() >= deadline) {
                return;
            }
            std::this_thread::sleep_for(kLockPoll);
        }
    }

private:
    Descriptor fd_;
};

// The longest path a socket can have, in bytes.
constexpr std::size_t kMaximumSocketPath = sizeof(sockaddr_un::sun_path) - 1;

bool fitsSocketAddress(const QByteArray& path) {
    return static_cast<std::size_t>(path.size()) <= kMaximumSocketPath;
}

// A place the user may not write in (a folder of the user's own made read-only, a read-only file
// system): like a folder another user holds, it is passed over for the next.
bool refusesWriting(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// Fills `address` with `path`; false (errno ENAMETOOLONG) when it does not fit.
bool socketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray bytes = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || !fitsSocketAddress(bytes)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

// A socket file on which nobody listens: one that an instance which crashed left behind.
bool leftBehind(const QString& path) {
    sockaddr_un address{};
    struct stat entry {};
    if (!socketAddress(path, address) || ::lstat(address.sun_path, &entry) != 0 ||
        !S_ISSOCK(entry.st_mode)) {
        return false;
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    return fd.get() >= 0 &&
           ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 &&
           errno == ECONNREFUSED;
}

std::optional<uid_t> peerUser(int descriptor) {
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof(credentials)) {
        return std::nullopt;
    }
    return credentials.uid;
}

// Letters, digits, dots and dashes of `text`, anything else as "_": a part of a file name.
QString fileNamePart(QString text) {
    for (QChar& c : text) {
        if (!c.isLetterOrNumber() && c != u'.' && c != u'-') {
            c = u'_';
        }
    }
    return text;
}

// 16 hexadecimal digits naming `text`: a file name part of fixed length.
QString digest(const QString& text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

// The user's login name; empty when the user has none.
QString loginName(uid_t user) {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    return QFile::decodeName(entry.pw_name);
}

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : SingleInstance(std::move(serverName), Options{}, parent) {}

SingleInstance::SingleInstance(QString serverName, Options options, QObject* parent)
    : SingleInstance(std::vector<Place>{{std::move(serverName), Place::Folder::asGiven}}, options,
                     parent) {}

SingleInstance::SingleInstance(std::vector<Place> places, QObject* parent)
    : SingleInstance(std::move(places), Options{}, parent) {}

SingleInstance::SingleInstance(std::vector<Place> places, Options options, QObject* parent)
    : QObject(parent), places_(std::move(places)), options_(options) {
    options_.maximumConnections = std::max<std::size_t>(options_.maximumConnections, 1);
}

SingleInstance::~SingleInstance() {
    stopListening();
}

std::vector<SingleInstance::Place> SingleInstance::defaultPlaces(
    const QString& applicationIdentifier, const UITestConfig& config,
    const QProcessEnvironment& environment, uid_t user) {
    QString place;
    QString preferences;
    if (config.isUITest) {
        // The base folder can be any length, and a socket path has a small limit.
        const QString base = PrivateFolder::normalized(config.baseDirectory);
        place = QStringLiteral("test-") + digest(base);
        // Made here as the run makes it next, unless the run is to be refused for its name.
        if (TestBaseDirectory::allowed(base)) {
            preferences = base;
        }
    } else {
        // ":0", ":0.0" and ":0.1" are one server, hence one capture.
        QString display = environment.value(QStringLiteral("DISPLAY"));
        const qsizetype colon = display.lastIndexOf(u':');
        const qsizetype dot = display.indexOf(u'.', colon + 1);
        if (colon >= 0 && dot > colon) {
            display.truncate(dot);
        }
        place = fileNamePart(display);
        preferences = productFolderPath(QStandardPaths::GenericConfigLocation, environment, user);
    }
    const QString name = QStringLiteral("%1-%2-%3")
                             .arg(applicationIdentifier)
                             .arg(static_cast<qulonglong>(user))
                             .arg(place);
    // A folder in the home may be shared by several hosts, each with its own ":0".
    const QString homeName = name + u'-' + fileNamePart(QSysInfo::machineHostName());
    std::vector<Place> places;
    const auto add = [&places](const QString& folder, const QString& fileName, Place::Folder kind) {
        // A path too long for the socket would stop the claim at this place, where a later one
        // may serve: a name that fits is taken instead. A place where even that is too long stays
        // in the list, so that a claim left without a place can say why; claims pass it over.
        const QDir directory(PrivateFolder::normalized(folder));
        QString path = directory.filePath(fileName);
        if (!fitsSocketAddress(QFile::encodeName(path))) {
            path = directory.filePath(QStringLiteral("qx-") + digest(fileName));
        }
        if (std::none_of(places.begin(), places.end(),
                         [&path](const Place& p) { return p.path == path; })) {
            places.push_back({path, kind});
        }
    };
    // Folders of this machine first, then the user's folders in the home: each launch asks at
    // every usable place after the first, so it finds the instance wherever that went.
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime)) {
        add(runtime, name, Place::Folder::checked);
    }
    // Without XDG_RUNTIME_DIR a private folder in the temporary folder, by the user's number and
    // by the user's name (Qt's own runtime folder then): another user can take either first.
    const QDir temporary(PrivateFolder::temporaryRoot(environment));
    add(temporary.filePath(QStringLiteral("runtime-%1").arg(user)), name, Place::Folder::made);
    const QString login = loginName(user);
    if (!login.isEmpty() && !login.contains(u'/')) {
        add(temporary.filePath(QStringLiteral("runtime-") + login), name, Place::Folder::made);
    }
    // As GLib does without XDG_RUNTIME_DIR: the cache folder, which nobody else can take first.
    const QString cache = userBaseFolder(QStandardPaths::GenericCacheLocation, environment);
    if (!cache.isEmpty()) {
        add(QDir(cache).filePath(QStringLiteral("Quillorbitex")), homeName, Place::Folder::made);
    }
    // Last the folder of the preferences, which the program cannot do without.
    if (!preferences.isEmpty()) {
        add(preferences, homeName, Place::Folder::made);
    }
    return places;
}

std::optional<std::size_t> SingleInstance::usablePlace(std::size_t from, bool make) const {
    for (std::size_t i = from; i < places_.size(); ++i) {
        const QString folder = QFileInfo(places_[i].path).path();
        if (places_[i].folder != Place::Folder::asGiven &&
            !fitsSocketAddress(QFile::encodeName(places_[i].path))) {
            continue;  // no folder is made for a socket that could not be bound there
        }
        switch (places_[i].folder) {
            case Place::Folder::asGiven:
                return i;
            case Place::Folder::made:
                if (make) {
                    if (PrivateFolder::make(folder, options_.user) ==
                        PrivateFolder::Verdict::usable) {
                        return i;
                    }
                    break;
                }
                [[fallthrough]];
            case Place::Folder::checked:
                if (PrivateFolder::check(folder, options_.user) == PrivateFolder::Verdict::usable) {
                    return i;
                }
                break;
        }
    }
    return std::nullopt;
}

SingleInstance::Role SingleInstance::claim(std::chrono::milliseconds timeout) {
    if (role_ == Role::primary) {
        return role_;
    }
    notice_.clear();
    std::optional<std::size_t> place = usablePlace();
    if (!place) {
        serverName_.clear();
        notice_ = noPlaceNotice();
        role_ = Role::unavailable;
        return role_;
    }
    // An instance whose place was taken from it while it ran (its folder removed, and another's
    // put there) went on to the next one; its launches look there too.
    for (auto later = usablePlace(*place + 1, false); later;
         later = usablePlace(*later + 1, false)) {
        struct stat entry {};
        if (::lstat(QFile::encodeName(places_[*later].path).constData(), &entry) == 0 &&
            S_ISSOCK(entry.st_mode) &&
            sendShowRequest(places_[*later].path, timeout) == Answer::delivered) {
            serverName_ = places_[*later].path;
            role_ = Role::secondary;
            return role_;
        }
    }
    // A place the user may not write in is passed over, as every launch passes it over: they all
    // meet at the first place they can write in, under its lock.
    int error = 0;
    for (; place; place = usablePlace(*place + 1)) {
        serverName_ = places_[*place].path;
        error = claimName(timeout);
        if (error == 0) {
            return role_;
        }
        if (!refusesWriting(error)) {
            break;
        }
    }
    runUnguarded(error);
    return role_;
}

int SingleInstance::claimName(std::chrono::milliseconds timeout) {
    notice_.clear();
    const QByteArray path = QFile::encodeName(serverName_);
    // Held while the name is claimed. Between its bind and its listen a launch's socket answers
    // nobody, as one left behind by an instance that crashed does: a launch that found it so would
    // remove it, and both would run; so would two launches that each removed the socket the other
    // had just put in place of one left behind. Without the lock (no file there, or a launch
    // holding it for longer than a claim takes) the claim goes on all the same, as the only way to
    // run guarded.
    const ClaimLock lock(serverName_, timeout);
    // Each round follows a socket file that went away before it could be asked: removed here
    // because nobody answered on it, or by an instance that was quitting meanwhile. A name that
    // keeps changing hands beyond that is left to the others.
    for (int round = 0; round < kClaimRounds; ++round) {
        if (listen()) {
            role_ = Role::primary;
            return 0;
        }
        if (errno != EADDRINUSE) {
            return errno;
        }
        if (options_.beforeAsking) {
            options_.beforeAsking();
        }
        const Answer answer = sendShowRequest(serverName_, timeout);
        if (answer == Answer::delivered) {
            role_ = Role::secondary;
            return 0;
        }
        if (answer == Answer::failed) {
            return errno;
        }
        if (answer == Answer::foreign) {
            // The folder is the user's own, so only root could have put it there; it is not one
            // of this user's launches, and the name is this user's to take.
            notice_ = L10n::format(
                "A program of another user listens at \"%@\"; Quillorbitex does not speak to it "
                "and runs in its place.",
                serverName_);
        }
        if (options_.beforeRemoving) {
            options_.beforeRemoving();
        }
        // Nobody answered: a socket left behind by an instance that ended without closing it, or
        // none any more. Only a socket is removed; a name already gone is simply listened on.
        struct stat entry {};
        if (::lstat(path.constData(), &entry) != 0) {
            if (errno == ENOENT) {
                continue;
            }
            return errno;
        }
        if (!S_ISSOCK(entry.st_mode)) {
            return ENOTSOCK;
        }
        if (::unlink(path.constData()) != 0 && errno != ENOENT) {
            return errno;
        }
    }
    return EADDRINUSE;
}

QString SingleInstance::noPlaceNotice() const {
    // A path too long is something the user can change (a shorter TMPDIR or home folder), so it
    // is named whenever it cost a place.
    if (std::any_of(places_.begin(), places_.end(), [](const Place& place) {
            return !fitsSocketAddress(QFile::encodeName(place.path));
        })) {
        return L10n::format(
            "The folders in which Quillorbitex could keep its instance socket have paths too long "
            "for a socket (at most %d bytes), so it starts without checking whether it already "
            "runs.",
            static_cast<int>(kMaximumSocketPath));
    }
    return L10n::string(
        "Quillorbitex found no folder that only you can change for its instance socket, so it "
        "starts without checking whether it already runs.");
}

void SingleInstance::runUnguarded(int error) {
    role_ = Role::unavailable;
    // Said, since a later launch then starts a second capturing instance.
    notice_ = L10n::format(
        "Quillorbitex can neither listen at \"%1$@\" nor reach an instance there (%2$@), so it "
        "starts without checking whether it already runs.",
        serverName_, qt_error_string(error));
}

bool SingleInstance::listen() {
    sockaddr_un address{};
    if (!socketAddress(serverName_, address)) {
        return false;
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0) {
        return false;
    }
    // A plain bind fails on an existing name, so two launches cannot both win; binding elsewhere
    // and renaming into place would silently replace a running instance's socket.
    if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        return false;
    }
    if (options_.beforeListening) {
        options_.beforeListening();
    }
    struct stat bound {};
    if (::listen(fd.get(), kBacklog) != 0 || ::lstat(address.sun_path, &bound) != 0) {
        const int saved = errno;
        ::unlink(address.sun_path);
        errno = saved;
        return false;
    }
    boundDevice_ = bound.st_dev;
    boundInode_ = bound.st_ino;
    listener_ = fd.release();
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    if (!folderWatch_) {
        folderWatch_ = std::make_unique<QFileSystemWatcher>();
        // Queued: binding again changes what the watcher watches.
        connect(folderWatch_.get(), &QFileSystemWatcher::directoryChanged, this,
                &SingleInstance::listenAgainIfRemoved, Qt::QueuedConnection);
    }
    // A folder removed is no longer watched, and a folder made again is another one.
    if (!folderWatch_->directories().isEmpty()) {
        folderWatch_->removePaths(folderWatch_->directories());
    }
    folderWatch_->addPath(QFileInfo(serverName_).absolutePath());
    return true;
}

void SingleInstance::listenAgainIfRemoved() {
    if (listener_ < 0) {
        return;
    }
    struct stat entry {};
    if (::lstat(QFile::encodeName(serverName_).constData(), &entry) == 0 &&
        entry.st_dev == boundDevice_ && entry.st_ino == boundInode_) {
        return;
    }
    // Another process removed the socket file or its folder, and a later launch would find nobody
    // and run as a second instance. Launches already queued are answered first; then the name is
    // bound afresh where a launch now looks first: in the folder made again, or in the next place
    // when somebody else's is there by now. Never over a socket somebody listens on: that is
    // another instance's, which the next launches find.
    acceptConnections();
    closeListener();
    int error = ENOENT;
    // A place the user may not write in is passed over here as by a launch.
    for (auto place = usablePlace(); place; place = usablePlace(*place + 1)) {
        serverName_ = places_[*place].path;
        // A socket that an instance which crashed left there is taken over, as a launch would.
        if (listen() || (errno == EADDRINUSE && leftBehind(serverName_) &&
                         ::unlink(QFile::encodeName(serverName_).constData()) == 0 && listen())) {
            return;
        }
        error = errno;
        if (!refusesWriting(error)) {
            break;
        }
    }
    runUnguarded(error);
    tellOnStandardError(notice_);
}

void SingleInstance::closeListener() {
    notifier_.reset();
    ::close(listener_);
    listener_ = -1;
}

void SingleInstance::stopListening() {
    if (listener_ < 0) {
        return;
    }
    folderWatch_.reset();
    closeListener();
    // A later instance may have put its own socket there since.
    const QByteArray path = QFile::encodeName(serverName_);
    struct stat entry {};
    if (::lstat(path.constData(), &entry) == 0 && entry.st_dev == boundDevice_ &&
        entry.st_ino == boundInode_) {
        ::unlink(path.constData());
    }
}

SingleInstance::Answer SingleInstance::sendShowRequest(const QString& path,
                                                       std::chrono::milliseconds timeout) const {
    sockaddr_un address{};
    if (!socketAddress(path, address)) {
        return Answer::failed;
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.get() < 0) {
        return Answer::failed;
    }
    // Bounds both the connection (a full queue makes it wait) and the write.
    const auto bounded = std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 1, 60000);
    const timeval limit{static_cast<time_t>(bounded / 1000),
                        static_cast<suseconds_t>((bounded % 1000) * 1000)};
    ::setsockopt(fd.get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        switch (errno) {
            case ECONNREFUSED:
            case ENOENT:
                return Answer::nobody;
            case EAGAIN:
            case EINTR:
            case ETIMEDOUT:
                // Someone listens but takes no one now: a running instance all the same.
                return Answer::delivered;
            default:
                return Answer::failed;
        }
    }
    if (peerUser(fd.get()) != options_.user) {
        return Answer::foreign;
    }
    // A request that gets lost still leaves a running instance on the name.
    ::send(fd.get(), kShowDashboardRequest.data(),
           static_cast<std::size_t>(kShowDashboardRequest.size()), MSG_NOSIGNAL);
    return Answer::delivered;
}

void SingleInstance::acceptConnections() {
    while (listener_ >= 0) {
        const int accepted = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (accepted >= 0) {
            adopt(accepted);
            continue;
        }
        switch (errno) {
            case EAGAIN:
#if EWOULDBLOCK != EAGAIN
            case EWOULDBLOCK:
#endif
                return;
            case EINTR:
            case ECONNABORTED:
            case EPROTO:
                continue;
            default:
                // Out of file descriptors or memory: the launch stays queued and is taken once
                // some are free again. The name stays bound all the while, so no later launch
                // can become a second instance meanwhile.
                pauseAccepting();
                return;
        }
    }
}

void SingleInstance::pauseAccepting() {
    if (paused_ || !notifier_) {
        return;
    }
    paused_ = true;
    notifier_->setEnabled(false);
    Q_EMIT acceptingPaused();
    QTimer::singleShot(options_.acceptRetryDelay, this, [this] {
        paused_ = false;
        if (notifier_) {
            notifier_->setEnabled(true);
        }
    });
}

void SingleInstance::adopt(int descriptor) {
    Descriptor fd(descriptor);
    if (peerUser(fd.get()) != options_.user) {
        return;  // another user's launch is not ours to answer
    }
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(fd.get(), QLocalSocket::ConnectedState, QIODevice::ReadOnly)) {
        delete socket;
        return;
    }
    fd.release();
    while (connections_.size() >= options_.maximumConnections) {
        drop(connections_.front());
    }
    connections_.push_back(socket);
    QTimer::singleShot(options_.requestTimeout, socket, [this, socket] { drop(socket); });

    auto buffer = std::make_shared<QByteArray>();
    const auto read = [this, socket, buffer] {
        buffer->append(socket->read(kMaximumRequestLength + 1 - buffer->size()));
        const qsizetype end = buffer->indexOf('\n');
        if (end < 0 && buffer->size() <= kMaximumRequestLength) {
            return;  // more to come
        }
        const bool isShowRequest = buffer->left(end + 1) == kShowDashboardRequest;
        drop(socket);
        if (isShowRequest) {
            Q_EMIT showDashboardRequested();
        }
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, read] {
        if (socket->bytesAvailable() > 0) {
            read();
        } else {
            drop(socket);
        }
    });
    if (socket->bytesAvailable() > 0) {
        read();
    }
}

void SingleInstance::drop(QLocalSocket* socket) {
    const auto found = std::find(connections_.begin(), connections_.end(), socket);
    if (found == connections_.end()) {
        return;  // already dropped
    }
    connections_.erase(found);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

}  // namespace quillorbitex
