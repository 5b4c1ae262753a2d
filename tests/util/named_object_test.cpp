#include "own_object_name.h"
#include "platform/win32/last_error.h"
#include "platform/win32/security.h"
#include "util/errors.h"
#include "util/mutex.h"
#include "util/named_object.h"
#include "util/shared_memory.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int BoundMs = 10000;

// The other process of a test (named_object_peer), driven a command at a time.
class Peer {
public:
    Peer() {
        FProcess.start(QStringLiteral(NAMED_OBJECT_PEER), {});
        EXPECT_TRUE(FProcess.waitForStarted(BoundMs));
    }
    ~Peer() {
        FProcess.closeWriteChannel();
        if (!FProcess.waitForFinished(BoundMs))
            FProcess.kill();
        FProcess.waitForFinished(BoundMs);
    }
    std::string Ask(const std::string& command) {
        FProcess.write((command + "\n").c_str());
        while (!FProcess.canReadLine()) {
            if (!FProcess.waitForReadyRead(BoundMs))
                return "<no answer to " + command + ">";
        }
        return FProcess.readLine().trimmed().toStdString();
    }
    // Ends the peer without closing or releasing anything, as a crash would.
    void Quit() {
        FProcess.write("quit\n");
        EXPECT_TRUE(FProcess.waitForFinished(BoundMs));
    }

private:
    QProcess FProcess;
};

TEST(NamedObjects, MutexIsSharedWithAnotherProcess) {
    TCkMutex mutex(nullptr, false, OwnObjectName(QStringLiteral("NamedTest_Mutex")));
    EXPECT_FALSE(mutex.Existed());
    Peer peer;
    ASSERT_EQ(peer.Ask("mutex " + OwnObjectName("NamedTest_Mutex")), "opened");
    EXPECT_EQ(peer.Ask("acquire 0"), "signaled");
    EXPECT_EQ(mutex.WaitFor(0), wrTimeout);
    EXPECT_EQ(mutex.WaitFor(50), wrTimeout);
    EXPECT_FALSE(mutex.Release()); // owned by the other process
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
    EXPECT_EQ(peer.Ask("release"), "released");
    EXPECT_EQ(mutex.WaitFor(0), wrSignaled);
    EXPECT_EQ(peer.Ask("acquire 0"), "timeout");
    EXPECT_TRUE(mutex.Release());

    // A process that ends holding the mutex leaves it abandoned to the next waiter.
    EXPECT_EQ(peer.Ask("acquire 1000"), "signaled");
    peer.Quit();
    EXPECT_EQ(mutex.WaitFor(BoundMs), wrAbandoned);
    EXPECT_TRUE(mutex.Release());
    EXPECT_EQ(mutex.WaitFor(0), wrSignaled);
    EXPECT_TRUE(mutex.Release());
}

TEST(NamedObjects, NameGoesWithItsLastHolderInAnyProcess) {
    {
        TCkMutex mutex(nullptr, false, OwnObjectName(QStringLiteral("Local\\NamedTest_Gone")));
        Peer peer;
        EXPECT_EQ(peer.Ask("mutex " + OwnObjectName("NamedTest_Gone")),
                  "opened"); // "Local\" is the default
    }
    Peer peer;
    EXPECT_EQ(peer.Ask("mutex " + OwnObjectName("NamedTest_Gone")),
              "Win32 error: The system cannot find the file specified. (2) Failed to open mutex");
}

TEST(NamedObjects, BlockIsSharedWithAnotherProcess) {
    void* view = nullptr;
    ASSERT_EQ(SharedMemoryOpen(view, OwnObjectName(QStringLiteral("Global\\NamedTest_Block")), 64),
              ERROR_SUCCESS);
    std::strcpy(static_cast<char*>(view), "from the test");
    Peer peer;
    EXPECT_EQ(peer.Ask("shm " + OwnObjectName("Global\\NamedTest_Block") + " 0"), "existed");
    EXPECT_EQ(peer.Ask("read"), "from the test");
    EXPECT_EQ(peer.Ask("write from the peer"), "written");
    EXPECT_STREQ(static_cast<const char*>(view), "from the peer");
    // Another name space is another block.
    EXPECT_EQ(peer.Ask("shm " + OwnObjectName("NamedTest_Block") + " 8"), "new");
    EXPECT_TRUE(SharedMemoryClose(view));

    // A block whose last holder died is made anew.
    peer.Quit();
    for (const QString& name : {OwnObjectName(QStringLiteral("NamedTest_Block")),
                                OwnObjectName(QStringLiteral("Global\\NamedTest_Block"))}) {
        void* fresh = nullptr;
        EXPECT_EQ(SharedMemoryOpen(fresh, name, 8), ERROR_SUCCESS) << name.toStdString();
        EXPECT_EQ(static_cast<const char*>(fresh)[0], '\0');
        EXPECT_TRUE(SharedMemoryClose(fresh));
    }
}

TEST(NamedObjects, ViewsFollowTheAccessAskedFor) {
    void* writable = nullptr;
    ASSERT_EQ(SharedMemoryOpen(writable, OwnObjectName(QStringLiteral("NamedTest_Access")), 16),
              ERROR_SUCCESS);
    std::strcpy(static_cast<char*>(writable), "shared");
    Peer peer;
    ASSERT_EQ(peer.Ask("shm " + OwnObjectName("NamedTest_Access") + " 16"), "existed");
    EXPECT_EQ(peer.Ask("write changed"), "written");
    EXPECT_STREQ(static_cast<const char*>(writable), "changed");

    // The in-process list hands out the first view again, so the other views come straight
    // from the named object.
    const auto open = [](DWORD access) {
        bool existed = false;
        const NamedObjectRequest request{NamedObjectKind::Mapping, false, 16,
                                         access != FILE_MAP_READ, access == FILE_MAP_COPY};
        return NamedObject::Open(OwnObjectName(QStringLiteral("NamedTest_Access")), request,
                                 existed);
    };
    const auto copy = open(FILE_MAP_COPY);
    ASSERT_NE(copy, nullptr);
    std::strcpy(static_cast<char*>(copy->Data()), "mine");
    EXPECT_STREQ(static_cast<const char*>(writable), "changed"); // the copy's writes stay in it
    EXPECT_EQ(peer.Ask("read"), "changed");
    const auto readOnly = open(FILE_MAP_READ);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_STREQ(static_cast<const char*>(readOnly->Data()), "changed");
    EXPECT_TRUE(SharedMemoryClose(writable));
}

TEST(NamedObjects, NamesThatCannotBeHad) {
    void* block = nullptr;
    ASSERT_EQ(SharedMemoryOpen(block, OwnObjectName(QStringLiteral("NamedTest_Taken")), 8),
              ERROR_SUCCESS);
    const struct {
        const char* name;
        QString mutexName;
        DWORD error;
    } cases[] = {
        {"backslash inside the name", QStringLiteral("Local\\a\\b"), ERROR_PATH_NOT_FOUND},
        {"unknown name space", QStringLiteral("Session\\1\\x"), ERROR_PATH_NOT_FOUND},
        {"name of a block", OwnObjectName(QStringLiteral("NamedTest_Taken")), ERROR_INVALID_HANDLE},
    };
    for (const auto& c : cases) {
        try {
            TCkMutex mutex(nullptr, false, c.mutexName);
            ADD_FAILURE() << c.name;
        } catch (const ECkMutexError& e) {
            EXPECT_EQ(e.LastError(), c.error) << c.name;
            EXPECT_TRUE(e.Message().endsWith(QStringLiteral("\r\nFailed to create mutex")))
                << c.name;
        }
    }
    TCkMutex mutex(nullptr, false, OwnObjectName(QStringLiteral("NamedTest_Mutex2")));
    void* other = nullptr;
    try {
        SharedMemoryOpen(other, OwnObjectName(QStringLiteral("NamedTest_Mutex2")), 8);
        ADD_FAILURE() << "block opened over a mutex";
    } catch (const ECkWin32Error& e) {
        EXPECT_EQ(e.LastError(), ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(other, nullptr);
    EXPECT_TRUE(SharedMemoryClose(block));
}

TEST(NamedObjects, HandlesKeepTheirAccessRights) {
    TCkMutex made(nullptr, false, OwnObjectName(QStringLiteral("NamedTest_Rights")));
    TCkMutex waitOnly =
        TCkMutex::Open(SYNCHRONIZE, false, OwnObjectName(QStringLiteral("NamedTest_Rights")));
    TCkMutex modifyOnly = TCkMutex::Open(MUTEX_MODIFY_STATE, false,
                                         OwnObjectName(QStringLiteral("NamedTest_Rights")));
    EXPECT_EQ(modifyOnly.WaitFor(0), wrError);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(waitOnly.WaitFor(0), wrSignaled);
    EXPECT_FALSE(waitOnly.Release());
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(modifyOnly.Release()); // the owner releases through a handle that may
    EXPECT_EQ(made.WaitFor(0), wrSignaled);
    EXPECT_TRUE(made.Release());
}

bool InShmFolder(const QString& name) {
    return QFileInfo::exists(QStringLiteral("/dev/shm") +
                             QString::fromStdString(PosixObjectName(name)));
}

// The registry's objects of process pid, named as the registry names them.
QStringList RegistryObjects(const std::string& pid) {
    const QString id = QString::fromStdString(pid);
    return {QStringLiteral("MutexNPA_UnitVersioning_") + id,
            QStringLiteral("ShmNPA_UnitVersioning_") + id};
}

TEST(NamedObjects, RegistryObjectsOfAProcessThatDiedAreReclaimedByTheNextProcess) {
    Peer crashed;
    const std::string crashedPid = crashed.Ask("registry");
    ASSERT_NE(crashedPid.find_first_of("0123456789"), std::string::npos) << crashedPid;
    for (const QString& name : RegistryObjects(crashedPid))
        ASSERT_TRUE(InShmFolder(name)) << name.toStdString();
    crashed.Quit();

    Peer running;
    const std::string runningPid = running.Ask("registry");
    for (const QString& name : RegistryObjects(crashedPid))
        EXPECT_FALSE(InShmFolder(name)) << name.toStdString();
    for (const QString& name : RegistryObjects(runningPid))
        EXPECT_TRUE(InShmFolder(name)) << name.toStdString();

    // A live process keeps its objects when another one starts.
    Peer next;
    next.Ask("registry");
    for (const QString& name : RegistryObjects(runningPid))
        EXPECT_TRUE(InShmFolder(name)) << "of a live process: " << name.toStdString();
}

TEST(NamedObjects, OnlyUnheldObjectsOfEndedProcessesAreReclaimed) {
    std::string endedPid;
    {
        Peer ended;
        endedPid = ended.Ask("pid");
        ended.Quit();
    }
    const QString prefix = OwnObjectName(QStringLiteral("ReclaimTest")) + QLatin1Char('_');
    const QString ended = prefix + QString::fromStdString(endedPid);
    const QString endedHeld = QStringLiteral("Global\\") + ended;
    const QString live = prefix + QString::number(::getpid());
    const QString notAProcess = prefix + QStringLiteral("x1");
    void* block = nullptr;
    ASSERT_EQ(SharedMemoryOpen(block, endedHeld, 8), ERROR_SUCCESS);
    {
        Peer leaver;
        for (const QString& name : {ended, live, notAProcess})
            ASSERT_EQ(leaver.Ask("shm " + name.toStdString() + " 8"), "new");
        leaver.Quit();
    }
    const struct {
        const char* name;
        QString objectName;
        bool kept;
    } cases[] = {
        {"process ended, nothing holds it", ended, false},
        {"process ended, held here", endedHeld, true},
        {"process lives", live, true},
        {"no process id", notAProcess, true},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(InShmFolder(c.objectName)) << c.name;
    ReclaimAbandonedObjects(prefix);
    ReclaimAbandonedObjects(QStringLiteral("Global\\") + prefix);
    for (const auto& c : cases)
        EXPECT_EQ(InShmFolder(c.objectName), c.kept) << c.name;
    EXPECT_TRUE(SharedMemoryClose(block));
    for (const QString& name : {live, notAProcess})
        ::shm_unlink(PosixObjectName(name).c_str());
}

// This process's descriptors of the named object, found through /proc.
std::vector<int> DescriptorsOf(const QString& name) {
    const std::string target = "/dev/shm" + PosixObjectName(name);
    std::vector<int> found;
    const QDir folder(QStringLiteral("/proc/self/fd"));
    for (const QString& entry :
         folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char link[512] = {};
        const std::string path = "/proc/self/fd/" + entry.toStdString();
        if (::readlink(path.c_str(), link, sizeof link - 1) > 0 && target == link)
            found.push_back(entry.toInt());
    }
    return found;
}

struct Sharing {
    bool closeOnExec;
    mode_t mode;
};

Sharing SharingOf(int fd) {
    struct stat info {};
    EXPECT_EQ(::fstat(fd, &info), 0);
    return {(::fcntl(fd, F_GETFD) & FD_CLOEXEC) != 0, info.st_mode & 0777};
}

TEST(NamedObjects, MutexAttributesSayWhoMayInheritAndOpenIt) {
    SECURITY_DESCRIPTOR everyone{};
    ASSERT_TRUE(InitializeSecurityDescriptor(&everyone, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&everyone, TRUE, nullptr, FALSE));
    SECURITY_DESCRIPTOR noList{};
    ASSERT_TRUE(InitializeSecurityDescriptor(&noList, SECURITY_DESCRIPTOR_REVISION));
    BYTE listBytes[8] = {};
    SECURITY_DESCRIPTOR withList{};
    ASSERT_TRUE(InitializeSecurityDescriptor(&withList, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(
        SetSecurityDescriptorDacl(&withList, TRUE, reinterpret_cast<PACL>(listBytes), FALSE));
    const auto attributes = [](SECURITY_DESCRIPTOR* descriptor, BOOL inherit) {
        return SECURITY_ATTRIBUTES{sizeof(SECURITY_ATTRIBUTES), descriptor, inherit};
    };
    const SECURITY_ATTRIBUTES inheritable = attributes(nullptr, TRUE);
    const SECURITY_ATTRIBUTES open = attributes(&everyone, FALSE);
    const SECURITY_ATTRIBUTES both = attributes(&everyone, TRUE);
    const SECURITY_ATTRIBUTES unlisted = attributes(&noList, FALSE);
    const SECURITY_ATTRIBUTES listed = attributes(&withList, FALSE);
    const struct {
        const char* name;
        const SECURITY_ATTRIBUTES* attributes;
        bool closeOnExec;
        mode_t mode;
    } cases[] = {
        {"no attributes", nullptr, true, 0600},
        {"inheritable", &inheritable, false, 0600},
        {"null access list", &open, true, 0666},
        {"inheritable with a null access list", &both, false, 0666},
        {"descriptor without an access list", &unlisted, true, 0600},
        {"access list the system cannot keep", &listed, true, 0600},
    };
    int index = 0;
    for (const auto& c : cases) {
        const QString name = OwnObjectName(QStringLiteral("SharingTest%1").arg(index++));
        const TCkMutex mutex(c.attributes, false, name);
        const std::vector<int> made = DescriptorsOf(name);
        ASSERT_EQ(made.size(), 1u) << c.name;
        const Sharing sharing = SharingOf(made[0]);
        EXPECT_EQ(sharing.closeOnExec, c.closeOnExec) << c.name;
        EXPECT_EQ(sharing.mode, c.mode) << c.name;

        // Another creator and the openers keep the object's mode; each says for its own handle
        // whether it is inherited.
        const TCkMutex again(&both, false, name);
        const TCkMutex inherited = TCkMutex::Open(MUTEX_ALL_ACCESS, true, name);
        const TCkMutex kept = TCkMutex::Open(MUTEX_ALL_ACCESS, false, name);
        std::vector<int> later = DescriptorsOf(name);
        ASSERT_EQ(later.size(), 4u) << c.name;
        std::erase(later, made[0]);
        std::sort(later.begin(), later.end()); // descriptors are handed out lowest first
        const bool expectedCloseOnExec[] = {false, false, true};
        for (std::size_t i = 0; i < later.size(); ++i) {
            const Sharing opened = SharingOf(later[i]);
            EXPECT_EQ(opened.closeOnExec, expectedCloseOnExec[i]) << c.name << " opening " << i;
            EXPECT_EQ(opened.mode, c.mode) << c.name << " opening " << i;
        }
    }
}

TEST(NamedObjects, PosixNamesKeepNameSpacesApart) {
    EXPECT_EQ(PosixObjectName(QStringLiteral("Local\\a b")),
              PosixObjectName(QStringLiteral("a b")));
    EXPECT_NE(PosixObjectName(QStringLiteral("Global\\a")), PosixObjectName(QStringLiteral("a")));
    EXPECT_NE(PosixObjectName(QStringLiteral("a")), PosixObjectName(QStringLiteral("A")));
    EXPECT_EQ(PosixObjectName(QStringLiteral("a/b")).find('/', 1), std::string::npos);
    EXPECT_LE(PosixObjectName(QString(300, QLatin1Char('x'))).size(), 250u);
    EXPECT_NE(PosixObjectName(QString(300, QLatin1Char('x'))),
              PosixObjectName(QString(301, QLatin1Char('x'))));
}

} // namespace
