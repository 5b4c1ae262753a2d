#include "util/shared_memory.h"

#include "platform/win32/last_error.h"
#include "util/critical_section.h"
#include "util/errors.h"

#include <cstdlib>
#include <list>
#include <memory>

namespace {

struct FreeMemory {
    void operator()(void* memory) const { std::free(memory); }
};

struct SharedBlock {
    QString name;
    std::unique_ptr<void, FreeMemory> view;
    DWORD size;
    int count;
};

// Newest first; guarded by the process-wide critical section.
std::list<SharedBlock>& Blocks() {
    static auto* blocks = new std::list<SharedBlock>;
    return *blocks;
}

QString Quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

DWORD SharedMemoryOpen(void*& view, const QString& name, DWORD size) {
    view = nullptr;
    if (name.isEmpty() || name.contains(QLatin1Char('\\')))
        throw ESharedMemError(QStringLiteral("Invalid MMF name %1").arg(Quoted(name)));

    const auto locked = TCkIntfCriticalSection::Global().Lock();
    auto& blocks = Blocks();
    for (SharedBlock& block : blocks) {
        if (block.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (size > block.size)
            throw ESharedMemError(QStringLiteral("The MMF named %1 is smaller than %2 bytes")
                                      .arg(Quoted(name), QString::number(size)));
        ++block.count;
        view = block.view.get();
        return ERROR_ALREADY_EXISTS;
    }

    if (size == 0)
        throw ESharedMemError(
            QStringLiteral("The MMF named %1 cannot be created empty").arg(Quoted(name)));
    std::unique_ptr<void, FreeMemory> memory(std::calloc(size, 1));
    if (!memory) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        throw ECkWin32Error(QStringLiteral("The MMF named %1 cannot be created").arg(Quoted(name)));
    }
    blocks.push_front(SharedBlock{name, std::move(memory), size, 1});
    view = blocks.front().view.get();
    return ERROR_SUCCESS;
}

bool SharedMemoryClose(void*& view) {
    if (!view)
        return true;
    const auto locked = TCkIntfCriticalSection::Global().Lock();
    auto& blocks = Blocks();
    for (auto it = blocks.begin(); it != blocks.end(); ++it) {
        if (it->view.get() != view)
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
