#include "util/shared_memory.h"

#include "platform/win32/last_error.h"
#include "util/critical_section.h"
#include "util/errors.h"
#include "util/named_object.h"

#include <list>
#include <memory>

namespace {

struct SharedBlock {
    QString name;
    std::unique_ptr<NamedObject> object;
    int count;
};

// Newest first; guarded by the process-wide critical section.
std::list<SharedBlock>& Blocks() {
    static auto* blocks = new std::list<SharedBlock>;
    return *blocks;
}

QString NameText(const TResStringRec& record, const QString& name) {
    return TextFormat(LoadResString(record), {name});
}

NamedObjectRequest Request(bool create, DWORD size, DWORD access) {
    const bool copy = (access & FILE_MAP_COPY) != 0 && (access & FILE_MAP_WRITE) == 0;
    return NamedObjectRequest{NamedObjectKind::Mapping, create, size,
                              copy || (access & FILE_MAP_WRITE) != 0, copy};
}

} // namespace

DWORD SharedMemoryOpen(void*& view, const QString& name, DWORD size, DWORD desiredAccess) {
    view = nullptr;
    if (name.isEmpty())
        throw ESharedMemError(NameText(CkRes::SInvalidMmfName, name));

    const auto locked = TCkIntfCriticalSection::Global().Lock();
    auto& blocks = Blocks();
    for (SharedBlock& block : blocks) {
        if (block.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (size > block.object->Size())
            throw ESharedMemError(QStringLiteral("The MMF named \"%1\" is smaller than %2 bytes")
                                      .arg(name, QString::number(size)));
        ++block.count;
        view = block.object->Data();
        return ERROR_ALREADY_EXISTS;
    }

    if ((desiredAccess & (FILE_MAP_COPY | FILE_MAP_WRITE | FILE_MAP_READ)) == 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        throw ECkWin32Error(QStringLiteral("The MMF named \"%1\" cannot be mapped").arg(name));
    }
    bool existed = false;
    // Only a block that other processes hold can be opened with size 0.
    auto object = NamedObject::Open(name, Request(size != 0, size, desiredAccess), existed);
    if (!object) {
        if (size == 0)
            throw ESharedMemError(NameText(CkRes::SMmfCannotBeEmpty, name));
        throw ECkWin32Error(QStringLiteral("The MMF named \"%1\" cannot be created").arg(name));
    }
    view = object->Data();
    blocks.push_front(SharedBlock{name, std::move(object), 1});
    return existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
}

bool SharedMemoryClose(void*& view) {
    if (!view)
        return true;
    const auto locked = TCkIntfCriticalSection::Global().Lock();
    auto& blocks = Blocks();
    for (auto it = blocks.begin(); it != blocks.end(); ++it) {
        if (it->object->Data() != view)
            continue;
        if (it->count < 2)
            blocks.erase(it);
        else
            --it->count;
        view = nullptr;
        return true;
    }
    return false;
}
