// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "file_system.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>
#include <windows.h>

namespace FileSystem
{

namespace
{

QString systemReason(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = length ? QString::fromWCharArray(text, int(length)).trimmed()
                            : QCoreApplication::translate("SettingsFile", "system error %1").arg(error);
    ::LocalFree(text);
    // Shown after the file's name, as on other systems: "C:\...\zunkel.cfg: Access is denied".
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

Failure failure(DWORD error, bool newFileRefused = false)
{
    return {{systemReason(error), error == ERROR_ACCESS_DENIED}, newFileRefused};
}
Failure lastFailure() { return failure(::GetLastError()); }

class Handle
{
  public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(Handle &&other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle &operator=(Handle &&other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~Handle() { close(); }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    void close()
    {
        if (valid())
            ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Others may read, write, rename or delete the file while the tool holds it:
// the game is never kept from its settings by this tool.
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

Handle openExisting(const Path &path, DWORD access, DWORD flags = 0)
{
    return Handle(::CreateFileW(path.c_str(), access, ShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
}

// A save in place holds the whole file locked, and reads and other saves in
// place take turns with it; a lock held for long is not waited for.
class TurnLock
{
  public:
    TurnLock(HANDLE file, DWORD flags) : file_(file)
    {
        for (int wait = 0; wait < 100; ++wait) {
            OVERLAPPED whole{};
            locked_ = ::LockFileEx(file, flags | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole);
            if (locked_ || ::GetLastError() != ERROR_LOCK_VIOLATION)
                return;
            ::Sleep(10);
        }
    }
    ~TurnLock()
    {
        OVERLAPPED whole{};
        if (locked_)
            ::UnlockFileEx(file_, 0, MAXDWORD, MAXDWORD, &whole);
    }

  private:
    HANDLE file_;
    bool locked_ = false;
};

// Writes `bytes` at `start`. Returns 0 or the error of the failed write.
DWORD writeAll(HANDLE file, QByteArrayView bytes, qint64 start = 0)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 at = start + done;
        OVERLAPPED position{};
        position.Offset = DWORD(at);
        position.OffsetHigh = DWORD(at >> 32);
        DWORD written = 0;
        const DWORD chunk = DWORD(qMin<qsizetype>(bytes.size() - done, 1 << 30));
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, &position))
            return ::GetLastError();
        done += written;
    }
    return 0;
}

DWORD cutAt(HANDLE file, qint64 size)
{
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return ::SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end) ? 0 : ::GetLastError();
}

} // namespace

Path executableFolder()
{
    // Whatever characters the folder's name holds, in the system's own spelling.
    std::wstring executable(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, executable.data(), DWORD(executable.size()));
        if (length == 0)
            return {};
        if (length < executable.size()) {
            executable.resize(length);
            return Path(executable).parent_path();
        }
        executable.resize(executable.size() * 2);
    }
}

Path fromQt(const QString &path) { return QDir::toNativeSeparators(path).toStdWString(); }

QString toDisplay(const Path &path) { return QString::fromStdWString(path.native()); }

struct SettingsTarget::State {
    Path folder;
    Path name;
    bool missing = false;
    bool regular = false;
    DWORD attributes = 0;
    DWORD links = 0;
    bool exists = false;
    Handle file; // opened for writing

    Path path() const { return folder / name; }
};

SettingsTarget::SettingsTarget() : d(std::make_unique<State>()) {}

SettingsTarget::~SettingsTarget() = default;

Outcome SettingsTarget::find(const Path &folder, const Path &name)
{
    if (folder.empty())
        return Failure{{QCoreApplication::translate("SettingsFile", "the program's folder cannot be found")}};
    d->folder = folder;
    d->name = name;
    // Folders too, so that one planted under the file's name is told apart.
    const Handle found = openExisting(d->path(), FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
    if (!found.valid()) {
        const DWORD error = ::GetLastError();
        d->missing = error == ERROR_FILE_NOT_FOUND;
        return failure(error);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(found.get(), &info))
        return lastFailure();
    d->exists = true;
    d->attributes = info.dwFileAttributes;
    d->links = info.nNumberOfLinks;
    d->regular =
        ::GetFileType(found.get()) == FILE_TYPE_DISK && !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    // A symbolic link stays a link: the file it leads to is the one rewritten,
    // and its new file is made beside that one.
    const DWORD own = ::GetFileAttributesW(d->path().c_str());
    if (own != INVALID_FILE_ATTRIBUTES && (own & FILE_ATTRIBUTE_REPARSE_POINT)) {
        std::wstring final(MAX_PATH, L'\0');
        DWORD length = ::GetFinalPathNameByHandleW(found.get(), final.data(), DWORD(final.size()), 0);
        if (length >= final.size()) {
            final.resize(length);
            length = ::GetFinalPathNameByHandleW(found.get(), final.data(), DWORD(final.size()), 0);
        }
        if (length == 0 || length >= final.size())
            return lastFailure();
        final.resize(length);
        d->folder = Path(final).parent_path();
        d->name = Path(final).filename();
    }
    return std::nullopt;
}

bool SettingsTarget::missing() const { return d->missing; }

Path SettingsTarget::name() const { return d->name; }

bool SettingsTarget::isRegularFile() const { return d->regular; }

Outcome SettingsTarget::read(qsizetype limit, QByteArray &bytes) const
{
    const Handle file = openExisting(d->path(), GENERIC_READ);
    if (!file.valid())
        return lastFailure();
    const TurnLock turn(file.get(), 0);
    bytes.resize(limit);
    qsizetype done = 0;
    while (done < limit) {
        DWORD got = 0;
        const DWORD chunk = DWORD(qMin<qsizetype>(limit - done, 1 << 20));
        if (!::ReadFile(file.get(), bytes.data() + done, chunk, &got, nullptr))
            return lastFailure();
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return std::nullopt;
}

Outcome SettingsTarget::openForWriting()
{
    // Windows would only say that access is denied.
    if (d->attributes & FILE_ATTRIBUTE_READONLY)
        return Failure{{QCoreApplication::translate("SettingsFile", "the file is marked read-only")}};
    d->file = openExisting(d->path(), GENERIC_READ | GENERIC_WRITE);
    if (!d->file.valid())
        return lastFailure();
    return std::nullopt;
}

bool SettingsTarget::hasOtherNames() const { return d->links > 1; }

Outcome SettingsTarget::replaceWith(QByteArrayView bytes, const TemporaryNames &names)
{
    // The old file is replaced by name; the tool keeps no hold on it meanwhile.
    d->file.close();
    Path temporary;
    Handle file;
    for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
        temporary = d->folder / names.next();
        // Shared with no one while the save runs, so that no other save's
        // clearing takes it.
        file = Handle(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        const DWORD error = ::GetLastError();
        if (!file.valid() && error != ERROR_FILE_EXISTS)
            return failure(error, d->exists && error == ERROR_ACCESS_DENIED);
    }
    if (!file.valid())
        return failure(ERROR_FILE_EXISTS);
    struct Remover {
        const Path &path;
        bool keep = false;
        ~Remover()
        {
            if (!keep)
                ::DeleteFileW(path.c_str());
        }
    } remover{temporary};

    if (const DWORD error = writeAll(file.get(), bytes); error != 0)
        return failure(error);
    if (!::FlushFileBuffers(file.get()))
        return lastFailure();
    file.close();

    const Path target = d->path();
    if (!d->exists) {
        if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return lastFailure();
        remover.keep = true;
        return std::nullopt;
    }
    // The old file's ACL, attributes and streams go over to the new one. The
    // old one is first renamed to a name of the tool's own, so that a failure
    // midway can put it back rather than leave no file of that name.
    const Path backup = d->folder / names.next();
    if (::ReplaceFileW(target.c_str(), temporary.c_str(), backup.c_str(), 0, nullptr, nullptr)) {
        remover.keep = true;
        ::DeleteFileW(backup.c_str());
        return std::nullopt;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        ::MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    return failure(error);
}

Outcome SettingsTarget::rewriteInPlace(QByteArrayView bytes)
{
    if (!d->file.valid()) {
        d->file = openExisting(d->path(), GENERIC_READ | GENERIC_WRITE);
        if (!d->file.valid())
            return lastFailure();
    }
    const HANDLE file = d->file.get();
    const TurnLock turn(file, LOCKFILE_EXCLUSIVE_LOCK);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size))
        return lastFailure();
    // The part beyond the old end first, cut off again if it does not fit,
    // so that a full disk is found before the old content is touched.
    if (bytes.size() > size.QuadPart) {
        if (const DWORD error = writeAll(file, bytes.sliced(size.QuadPart), size.QuadPart); error != 0) {
            cutAt(file, size.QuadPart);
            return failure(error);
        }
    }
    if (const DWORD error = writeAll(file, bytes); error != 0)
        return failure(error);
    if (const DWORD error = cutAt(file, bytes.size()); error != 0)
        return failure(error);
    if (!::FlushFileBuffers(file))
        return lastFailure();
    return std::nullopt;
}

// A save that is killed leaves its new file behind. Only a file that no
// running save holds is taken away: a running save shares its new file with
// no one, so it cannot be deleted meanwhile.
void SettingsTarget::clearLeftovers(const TemporaryNames &names) const
{
    WIN32_FIND_DATAW entry{};
    const Path pattern = d->folder / L"*";
    const HANDLE search =
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && names.isOurs(entry.cFileName))
            ::DeleteFileW((d->folder / entry.cFileName).c_str());
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
}

} // namespace FileSystem
