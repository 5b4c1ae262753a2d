#include "platform/modules/module_version.h"

#include "platform/win32/last_error.h"

#include <cstring>
#include <map>
#include <mutex>

namespace {

// Block layout: DWORD total bytes, then per value its path and its text, each a NUL-terminated
// UTF-16 string; an empty path ends the list.
struct Records {
    std::mutex mutex;
    std::map<QString, std::u16string> blocks; // by lower-case module name
};

Records& records() {
    static Records instance;
    return instance;
}

std::u16string serialize(const ModuleVersionRecord& record) {
    std::u16string words(sizeof(DWORD) / sizeof(char16_t), u'\0');
    for (const auto& [path, text] : record) {
        words += path.toStdU16String() + u'\0';
        words += text.toStdU16String() + u'\0';
    }
    words += u'\0';
    const DWORD bytes = static_cast<DWORD>(words.size() * sizeof(char16_t));
    std::memcpy(words.data(), &bytes, sizeof bytes);
    return words;
}

const std::u16string* blockOf(const QString& name) {
    const auto it = records().blocks.find(name.toLower());
    return it == records().blocks.end() ? nullptr : &it->second;
}

} // namespace

void SetModuleVersion(const QString& name, ModuleVersionRecord record) {
    std::lock_guard lock(records().mutex);
    records().blocks[name.toLower()] = serialize(record);
}

DWORD GetFileVersionInfoSizeW(const QString& name, DWORD* handle) {
    if (handle)
        *handle = 0;
    std::lock_guard lock(records().mutex);
    const std::u16string* block = blockOf(name);
    if (!block) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return 0;
    }
    return static_cast<DWORD>(block->size() * sizeof(char16_t));
}

BOOL GetFileVersionInfoW(const QString& name, DWORD, DWORD length, void* data) {
    std::lock_guard lock(records().mutex);
    const std::u16string* block = blockOf(name);
    if (!block) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return FALSE;
    }
    const std::size_t bytes = block->size() * sizeof(char16_t);
    if (!data || length < bytes) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(data, block->data(), bytes);
    return TRUE;
}

BOOL VerQueryValueW(const void* block, const QString& subBlock, void** buffer, UINT* length) {
    if (!block || !buffer || !length)
        return FALSE;
    DWORD bytes = 0;
    std::memcpy(&bytes, block, sizeof bytes);
    const auto* words = static_cast<const char16_t*>(block);
    const std::size_t count = bytes / sizeof(char16_t);
    const std::u16string wanted = subBlock.toStdU16String();
    // The next NUL-terminated string from position, or nothing when the block ends first.
    const auto next = [&](std::size_t& position, std::u16string_view& text) {
        std::size_t end = position;
        while (end < count && words[end] != u'\0')
            ++end;
        if (end >= count)
            return false;
        text = std::u16string_view(words + position, end - position);
        position = end + 1;
        return true;
    };
    std::size_t position = sizeof(DWORD) / sizeof(char16_t);
    std::u16string_view path;
    std::u16string_view text;
    while (next(position, path) && !path.empty()) {
        const std::size_t start = position;
        if (!next(position, text))
            return FALSE;
        if (path == wanted) {
            *buffer = const_cast<char16_t*>(words + start);
            *length = static_cast<UINT>(text.size() + 1);
            return TRUE;
        }
    }
    return FALSE;
}

QString ModuleFileVersion(const QString& name) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(name, &handle);
    if (size == 0)
        return {};
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(name, handle, size, block.data()))
        return {};
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"),
                        &value, &length) ||
        length == 0)
        return {};
    return QString::fromUtf16(static_cast<const char16_t*>(value), length - 1);
}
