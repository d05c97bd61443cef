// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "file_system.h"

#include <QCoreApplication>
#include <QFile>

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace FileSystem
{

namespace
{

constexpr int OpenFlags = O_CLOEXEC | O_NOCTTY;
// Enough to find files in a folder, which may be one that the user may enter
// but not list.
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
constexpr char AccessAcl[] = "system.posix_acl_access";

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
SettingsError systemError(int error) { return {systemReason(error), error == EACCES || error == EPERM}; }
Failure failure(int error, bool newFileRefused = false) { return {systemError(error), newFileRefused}; }

class Fd
{
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_ = -1;
};

// Files are first opened with O_PATH, which opens nothing for real: a device
// or FIFO planted under the file's name is looked at, never opened. A file
// found to be regular is then opened through this name of the descriptor,
// which reaches the same file however its names change meanwhile.
QByteArray descriptorPath(int fd) { return "/proc/self/fd/" + QByteArray::number(fd); }

Fd reopen(int pathFd, int flags) { return Fd(::open(descriptorPath(pathFd).constData(), flags | OpenFlags)); }

bool sameFile(int folder, const char *name, int fd)
{
    struct stat named {
    }, opened{};
    return ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// The settings file once the links on the way to it are followed: the folder
// that holds the file itself, its name there, and the file, not yet opened.
struct Located {
    Fd folder; // O_PATH
    QByteArray name;
    Fd path; // O_PATH
    struct stat info {
    };
    bool missing = false; // no file and no link of that name: `folder` and `name` say where to make one
};

// As many links as the system itself follows in one path.
constexpr int MaxLinks = 40;

// The text of the link held open, so that it is this link's owner that is
// weighed, whatever is swapped in under its name.
std::optional<SettingsError> readLinkText(const Fd &link, QByteArray &text)
{
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = ::readlinkat(link.get(), "", buffer.data(), buffer.size());
    if (length < 0)
        return systemError(errno);
    if (length == ssize_t(buffer.size()))
        return systemError(ENAMETOOLONG);
    text = QByteArray(buffer.data(), length);
    return std::nullopt;
}

// Finds `path` from the folder `from` (an absolute path from the root) one
// name at a time, and judges every link on the way before following it:
// another user's link is followed only to what that user owns themselves (the
// next link, a folder or the file), so that no chain of links steers this
// user's read or write to a file its maker could not reach. A link in the
// last name is followed only when `followLast`.
std::optional<SettingsError> walk(int from, QByteArrayView path, bool followLast, int &links, Located &out)
{
    Fd folder(::openat(from, path.startsWith('/') ? "/" : ".", FolderFlags));
    if (!folder.valid())
        return systemError(errno);
    QByteArrayList names = path.toByteArray().split('/');
    names.removeAll(QByteArray());
    if (names.isEmpty())
        names.append(".");
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool last = i == names.size() - 1;
        QByteArray name = names[i];
        Fd entry(::openat(folder.get(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!entry.valid()) {
            const int error = errno;
            if (last) {
                out.missing = error == ENOENT;
                out.folder = std::move(folder);
                out.name = name;
            }
            return systemError(error);
        }
        struct stat info {
        };
        if (::fstat(entry.get(), &info) != 0)
            return systemError(errno);
        while (S_ISLNK(info.st_mode) && (followLast || !last)) {
            if (++links > MaxLinks)
                return systemError(ELOOP);
            QByteArray text;
            if (std::optional<SettingsError> error = readLinkText(entry, text))
                return error;
            // A relative link is relative to its folder, reached here by descriptor.
            Located next;
            if (std::optional<SettingsError> error = walk(folder.get(), text, false, links, next))
                return error;
            if (info.st_uid != ::geteuid() && info.st_uid != next.info.st_uid)
                return SettingsError{QCoreApplication::translate(
                    "SettingsFile", "it is a link that another user made to a file that is not theirs")};
            folder = std::move(next.folder);
            name = next.name;
            entry = std::move(next.path);
            info = next.info;
        }
        if (last) {
            out.folder = std::move(folder);
            out.name = name;
            out.path = std::move(entry);
            out.info = info;
        } else if (S_ISDIR(info.st_mode)) {
            folder = std::move(entry);
        } else {
            return systemError(ENOTDIR);
        }
    }
    return std::nullopt;
}

// Writes `bytes` at `start`. Returns 0 or the errno of the failed write.
int writeAll(int fd, QByteArrayView bytes, off_t start = 0)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.data() + done, size_t(bytes.size() - done), start + done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += written;
    }
    return 0;
}

// The system refuses, or cannot do at all, what a new file must be given to
// change nothing but the content (FUSE file systems answer ENOSYS or EINVAL).
bool cannotKeep(int error)
{
    return error == EPERM || error == EACCES || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS ||
           error == EINVAL;
}

// Asks for the size, then for the bytes, and again if they grew meanwhile.
template <typename Query> QByteArray askSized(Query query, int &error)
{
    for (;;) {
        const ssize_t size = query(nullptr, 0);
        error = size < 0 ? errno : 0;
        // Empty when asked: asking for the bytes with no room would only
        // ask for the size again.
        if (size <= 0)
            return {};
        QByteArray bytes(size, Qt::Uninitialized);
        const ssize_t got = query(bytes.data(), size_t(bytes.size()));
        error = got < 0 ? errno : 0;
        if (error != ERANGE)
            return bytes.first(qMax<ssize_t>(got, 0));
    }
}

// The ACL and the extended attributes ("user.*" and the like) of `from`, put
// on `to`. Returns 0 or the errno of what could not be read or set.
int copyAttributes(int from, int to)
{
    int error = 0;
    const QByteArray list =
        askSized([&](char *names, size_t size) { return ::flistxattr(from, names, size); }, error);
    if (error == EOPNOTSUPP)
        return 0;
    if (error != 0)
        return error;
    const QByteArrayList names = list.split('\0');
    for (const QByteArray &name : names) {
        if (name.isEmpty())
            continue;
        const QByteArray value = askSized(
            [&](char *bytes, size_t size) { return ::fgetxattr(from, name.constData(), bytes, size); },
            error);
        if (error == ENODATA)
            continue; // removed meanwhile
        if (error != 0)
            return error;
        if (::fsetxattr(to, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return errno;
    }
    // A folder's default ACL gives a new file an ACL that the old one lacked.
    if (!names.contains(AccessAcl) && ::fgetxattr(to, AccessAcl, nullptr, 0) >= 0 &&
        ::fremovexattr(to, AccessAcl) != 0)
        return errno;
    return 0;
}

// Returns 0 or the errno of what could not be kept.
int keepOwnerModeAndAttributes(int temporary, int old, const struct stat &info)
{
    struct stat fresh {
    };
    if (::fstat(temporary, &fresh) != 0)
        return errno;
    if ((fresh.st_uid != info.st_uid || fresh.st_gid != info.st_gid) &&
        ::fchown(temporary, info.st_uid, info.st_gid) != 0)
        return errno;
    if (const int error = copyAttributes(old, temporary); error != 0)
        return error;
    // Last: a change of owner clears the set-id bits, and an ACL sets the group's.
    if (::fchmod(temporary, info.st_mode & 07777) != 0)
        return errno;
    return 0;
}

// A new file beside the target, locked, that takes itself away again unless
// it was renamed into place.
class Temporary
{
  public:
    // Made with `mode`, as the system applies it to new files (the umask or
    // the folder's default ACL). Returns 0 or the errno of the failed creation;
    // EWOULDBLOCK when another program locked every name tried.
    int create(int folder, const TemporaryNames &names, mode_t mode)
    {
        int error = EEXIST;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = QByteArray::fromStdString(names.next().native());
            Fd fd(::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | OpenFlags,
                           mode));
            if (!fd.valid()) {
                if (errno == EEXIST)
                    continue;
                return errno;
            }
            // Where locks are not supported, no clearing takes it either. A
            // lock that another program took first (on a disk that ignores
            // file modes anyone may open it) is not waited for: the name is
            // given up for another.
            if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
                error = EWOULDBLOCK;
                if (sameFile(folder, name.constData(), fd.get()))
                    ::unlinkat(folder, name.constData(), 0);
                continue;
            }
            // Another save's clearing may have taken it before it was locked.
            if (!sameFile(folder, name.constData(), fd.get()))
                continue;
            folder_ = folder;
            name_ = name;
            fd_ = std::move(fd);
            return 0;
        }
        return error;
    }

    ~Temporary()
    {
        if (fd_.valid() && !renamed_)
            ::unlinkat(folder_, name_.constData(), 0);
    }

    int fd() const { return fd_.get(); }

    // Returns 0 or the errno of the failed rename.
    int renameTo(const QByteArray &target)
    {
        if (::renameat(folder_, name_.constData(), folder_, target.constData()) != 0)
            return errno;
        renamed_ = true;
        return 0;
    }

  private:
    int folder_ = -1;
    QByteArray name_;
    Fd fd_;
    bool renamed_ = false;
};

// Makes a rename in `folder` durable. A folder that this user may enter but
// not read cannot be opened for that: the whole file system that holds `file`
// is synced instead. The new content is already in place, so a failure here
// cannot be undone and is not reported.
void syncFolder(int folder, int file)
{
    if (const Fd synced(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)); synced.valid())
        ::fsync(synced.get());
    else
        ::syncfs(file);
}

// A save in place and the reads of the file take turns, so that no read finds
// it half written. Any user who may read the file may lock it too: a lock that
// is held for long is not waited for.
void takeTurn(int fd, int operation)
{
    for (int wait = 0; wait < 100 && ::flock(fd, operation | LOCK_NB) != 0 && errno == EWOULDBLOCK; ++wait)
        ::usleep(10'000);
}

// Room for `bytes` in the file, so that a full disk is found before the old
// content is touched. Where the file system cannot reserve room (ntfs-3g,
// exFAT), the part of the new content beyond the old end is written first, and
// cut off again when it does not fit. Returns 0 or the errno of the failure.
int reserveRoom(int fd, QByteArrayView bytes)
{
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, bytes.size()) == 0)
        return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    struct stat info {
    };
    if (::fstat(fd, &info) != 0)
        return errno;
    if (bytes.size() <= info.st_size)
        return 0;
    if (const int error = writeAll(fd, bytes.sliced(info.st_size), info.st_size); error != 0) {
        if (::ftruncate(fd, info.st_size) != 0)
            return errno;
        return error;
    }
    return 0;
}

} // namespace

Path executableFolder()
{
    // As bytes: the QString that Qt gives cannot hold every folder name.
    std::array<char, PATH_MAX> executable{};
    const ssize_t length = ::readlink("/proc/self/exe", executable.data(), executable.size());
    if (length <= 0 || length >= ssize_t(executable.size()))
        return {};
    return Path(std::string(executable.data(), size_t(length))).parent_path();
}

Path fromQt(const QString &path) { return QFile::encodeName(path).toStdString(); }

QString toDisplay(const Path &path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

struct SettingsTarget::State {
    Located located;
    Fd file; // opened for writing
    struct stat written {
    };
};

SettingsTarget::SettingsTarget() : d(std::make_unique<State>()) {}

SettingsTarget::~SettingsTarget() = default;

Outcome SettingsTarget::find(const Path &folder, const Path &name)
{
    if (folder.empty())
        return Failure{{QCoreApplication::translate("SettingsFile", "the program's folder cannot be found")}};
    const Fd opened(::open(folder.c_str(), FolderFlags));
    if (!opened.valid())
        return failure(errno);
    int links = 0;
    if (std::optional<SettingsError> error =
            walk(opened.get(), QByteArray::fromStdString(name.native()), true, links, d->located))
        return Failure{*error};
    return std::nullopt;
}

bool SettingsTarget::missing() const { return d->located.missing; }

Path SettingsTarget::name() const { return d->located.name.toStdString(); }

bool SettingsTarget::isRegularFile() const { return S_ISREG(d->located.info.st_mode); }

Outcome SettingsTarget::read(qsizetype limit, QByteArray &bytes) const
{
    Fd fd = reopen(d->located.path.get(), O_RDONLY);
    if (!fd.valid())
        return failure(errno);
    takeTurn(fd.get(), LOCK_SH);
    QFile file;
    if (!file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Failure{{file.errorString()}};
    fd.release();
    bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return Failure{{file.errorString()}};
    return std::nullopt;
}

Outcome SettingsTarget::openForWriting()
{
    d->file = reopen(d->located.path.get(), O_WRONLY);
    if (!d->file.valid() || ::fstat(d->file.get(), &d->written) != 0)
        return failure(errno);
    return std::nullopt;
}

bool SettingsTarget::hasOtherNames() const { return d->written.st_nlink > 1; }

Outcome SettingsTarget::replaceWith(QByteArrayView bytes, const TemporaryNames &names)
{
    const int folder = d->located.folder.get();
    const bool old = d->file.valid();
    Temporary temporary;
    // Kept private until it is given the old file's owner, ACL and mode.
    if (const int error = temporary.create(folder, names, old ? 0600 : 0666); error != 0) {
        if (error == EWOULDBLOCK)
            return Failure{{QCoreApplication::translate(
                "SettingsFile", "another program locks every new file made beside it")}};
        return failure(error, old && (error == EACCES || error == EPERM));
    }
    if (old) {
        if (const int error = keepOwnerModeAndAttributes(temporary.fd(), d->file.get(), d->written);
            error != 0)
            return failure(error, cannotKeep(error));
    }
    if (const int error = writeAll(temporary.fd(), bytes); error != 0)
        return failure(error);
    // All of it, not the data alone: the owner, mode, ACL and attributes set
    // above must be as durable as the content.
    if (::fsync(temporary.fd()) != 0)
        return failure(errno);
    if (const int error = temporary.renameTo(d->located.name); error != 0)
        return failure(error);
    syncFolder(folder, temporary.fd());
    return std::nullopt;
}

Outcome SettingsTarget::rewriteInPlace(QByteArrayView bytes)
{
    const int fd = d->file.get();
    takeTurn(fd, LOCK_EX);
    if (const int error = reserveRoom(fd, bytes); error != 0)
        return failure(error);
    if (const int error = writeAll(fd, bytes); error != 0)
        return failure(error);
    if (::ftruncate(fd, bytes.size()) != 0 || ::fdatasync(fd) != 0)
        return failure(errno);
    return std::nullopt;
}

// A save that is killed before its rename leaves its new file behind. Only a
// file that no running save holds locked is taken away: every save locks its
// new file before anything else, for as long as it runs. A folder that this
// user may enter but not list cannot be searched.
void SettingsTarget::clearLeftovers(const TemporaryNames &names) const
{
    const int folder = d->located.folder.get();
    Fd listed(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR *entries = listed.valid() ? ::fdopendir(listed.get()) : nullptr;
    if (!entries)
        return;
    listed.release();
    while (const dirent *entry = ::readdir(entries)) {
        if (!names.isOurs(entry->d_name))
            continue;
        Fd path(::openat(folder, entry->d_name, O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {
        };
        if (!path.valid() || ::fstat(path.get(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        Fd file = reopen(path.get(), O_RDONLY);
        if (file.valid() && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 &&
            sameFile(folder, entry->d_name, file.get()))
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

} // namespace FileSystem
