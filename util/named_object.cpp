#include "util/named_object.h"

#include "platform/win32/last_error.h"

#include <QCryptographicHash>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::uint32_t Magic = 0x52564154; // "TAVR"
// Data starts a cache line into the object, so that a mutex in it is well aligned.
constexpr std::size_t HeaderBytes = 64;
// shm names are file names under /dev/shm.
constexpr const char* ShmFolder = "/dev/shm";
constexpr std::size_t LongestPosixName = 250;

struct Header {
    std::uint32_t magic;
    NamedObjectKind kind;
    std::uint64_t size;
};
static_assert(sizeof(Header) <= HeaderBytes);

// Byte 0 is held exclusively while an object is opened or closed; byte 1 is held shared by
// every opening.
constexpr off_t GateByte = 0;
constexpr off_t LiveByte = 1;

bool LockByte(int fd, off_t byte, short type, bool wait) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    int result;
    do
        result = ::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

class Gate {
public:
    explicit Gate(int fd) : FFd(fd) { LockByte(FFd, GateByte, F_WRLCK, true); }
    ~Gate() { LockByte(FFd, GateByte, F_UNLCK, false); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;

private:
    int FFd;
};

// True when no other opening holds the object, taking it exclusively then.
bool OnlyOpening(int fd) {
    return LockByte(fd, LiveByte, F_WRLCK, false);
}

bool Unlinked(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) != 0 || info.st_nlink == 0;
}

std::size_t FileBytes(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? std::size_t(info.st_size) : 0;
}

bool Failed(DWORD error) {
    SetLastError(error);
    return false;
}

bool Initialise(int fd, const NamedObjectRequest& request) {
    const Header header{Magic, request.kind, request.size};
    // Set apart from the creation, which the process's umask would narrow.
    if (::fchmod(fd, request.sharing.mode) != 0 ||
        ::ftruncate(fd, off_t(HeaderBytes + request.size)) != 0 ||
        ::pwrite(fd, &header, sizeof header, 0) != ssize_t(sizeof header))
        return Failed(Win32ErrorFromErrno(errno));
    if (!request.initialise)
        return true;
    void* mapping =
        ::mmap(nullptr, HeaderBytes + request.size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapping == MAP_FAILED)
        return Failed(Win32ErrorFromErrno(errno));
    request.initialise(static_cast<char*>(mapping) + HeaderBytes);
    ::munmap(mapping, HeaderBytes + request.size);
    return true;
}

// The data size of an object made by another opening, or false when it is of another kind or
// too small for the request.
bool Check(int fd, const NamedObjectRequest& request, std::size_t& size) {
    Header header{};
    if (::pread(fd, &header, sizeof header, 0) != ssize_t(sizeof header) || header.magic != Magic ||
        FileBytes(fd) < HeaderBytes + header.size)
        return Failed(ERROR_INVALID_HANDLE);
    if (header.kind != request.kind)
        return Failed(ERROR_INVALID_HANDLE);
    if (header.size < request.size)
        return Failed(ERROR_ACCESS_DENIED);
    size = std::size_t(header.size);
    return true;
}

enum class Step { Done, Retry, Fail };

bool ProcessGone(const std::string& digits) {
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const pid_t pid = pid_t(std::stol(digits));
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Under the gate nobody can be half way through opening or closing the object, so no holder
// means nobody has it.
void RemoveUnheld(const std::string& posixName) {
    const int fd = ::shm_open(posixName.c_str(), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    {
        const Gate gate(fd);
        if (!Unlinked(fd) && OnlyOpening(fd))
            ::shm_unlink(posixName.c_str());
    }
    ::close(fd);
}

} // namespace

void ReclaimAbandonedObjects(const QString& namePrefix) {
    const std::string prefix = PosixObjectName(namePrefix).substr(1);
    if (prefix.empty() || prefix.find('#') != std::string::npos)
        return;
    DIR* folder = ::opendir(ShmFolder);
    if (!folder)
        return;
    std::vector<std::string> abandoned;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.starts_with(prefix) && ProcessGone(name.substr(prefix.size())))
            abandoned.push_back("/" + name);
    }
    ::closedir(folder);
    for (const std::string& posixName : abandoned)
        RemoveUnheld(posixName);
}

std::string PosixObjectName(const QString& name) {
    QString rest = name;
    QString scope = QStringLiteral("u%1").arg(::getuid());
    if (rest.startsWith(QLatin1String("Global\\"), Qt::CaseInsensitive)) {
        rest = rest.mid(7);
        scope = QStringLiteral("g");
    } else if (rest.startsWith(QLatin1String("Local\\"), Qt::CaseInsensitive)) {
        rest = rest.mid(6);
    }
    if (rest.contains(QLatin1Char('\\'))) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return {};
    }
    const QByteArray encoded = rest.toUtf8().toPercentEncoding("", "~");
    std::string posix = "/tavro." + scope.toStdString() + "." + encoded.toStdString();
    if (posix.size() > LongestPosixName) {
        const QByteArray digest =
            QCryptographicHash::hash(rest.toUtf8(), QCryptographicHash::Sha256);
        posix = "/tavro." + scope.toStdString() + ".#" + digest.toHex().toStdString();
    }
    return posix;
}

std::unique_ptr<NamedObject> NamedObject::Open(const QString& name,
                                               const NamedObjectRequest& request, bool& existed) {
    existed = false;
    const std::string posixName = PosixObjectName(name);
    if (posixName.empty())
        return nullptr;
    for (;;) {
        const int fd = ::shm_open(posixName.c_str(),
                                  O_RDWR | O_CLOEXEC | (request.create ? O_CREAT : 0), 0600);
        if (fd < 0) {
            SetLastErrorFromErrno(errno);
            return nullptr;
        }
        std::size_t size = request.size;
        Step step = Step::Done;
        {
            const Gate gate(fd);
            if (Unlinked(fd)) {
                step = Step::Retry; // its last holder closed it while this opening waited
            } else if (OnlyOpening(fd)) {
                // A name nobody holds is new, half made by a process that died, or left behind
                // by one; only a new one is used, for a stale one may still be mapped by the
                // threads of a process that owned its mutex.
                if (FileBytes(fd) != 0 || !request.create) {
                    ::shm_unlink(posixName.c_str());
                    step = request.create ? Step::Retry : Step::Fail;
                    SetLastError(ERROR_FILE_NOT_FOUND);
                } else if (!Initialise(fd, request)) {
                    ::shm_unlink(posixName.c_str());
                    step = Step::Fail;
                }
                if (step == Step::Done)
                    LockByte(fd, LiveByte, F_RDLCK, false);
            } else if (Check(fd, request, size)) {
                existed = true;
                LockByte(fd, LiveByte, F_RDLCK, true);
            } else {
                step = Step::Fail;
            }
        }
        if (step == Step::Retry) {
            ::close(fd);
            continue;
        }
        // shm_open always opens close-on-exec.
        if (step == Step::Done && request.sharing.inheritable && ::fcntl(fd, F_SETFD, 0) != 0) {
            SetLastErrorFromErrno(errno);
            step = Step::Fail;
        }
        if (step == Step::Done) {
            const std::size_t bytes = HeaderBytes + size;
            const int protection = PROT_READ | (request.writable ? PROT_WRITE : 0);
            void* mapping = ::mmap(nullptr, bytes, protection,
                                   request.privateCopy ? MAP_PRIVATE : MAP_SHARED, fd, 0);
            if (mapping != MAP_FAILED)
                return std::unique_ptr<NamedObject>(
                    new NamedObject(fd, posixName, mapping, bytes, size));
            SetLastErrorFromErrno(errno);
        }
        const DWORD error = GetLastError();
        ::close(fd);
        SetLastError(error);
        return nullptr;
    }
}

NamedObject::NamedObject(int fd, std::string posixName, void* mapping, std::size_t mappedBytes,
                         std::size_t size)
    : FFd(fd), FPosixName(std::move(posixName)), FMapping(mapping), FMappedBytes(mappedBytes),
      FSize(size) {}

NamedObject::~NamedObject() {
    {
        const Gate gate(FFd);
        if (OnlyOpening(FFd) && !Unlinked(FFd))
            ::shm_unlink(FPosixName.c_str());
    }
    ::munmap(FMapping, FMappedBytes);
    ::close(FFd);
}

void* NamedObject::Data() const {
    return static_cast<char*>(FMapping) + HeaderBytes;
}
