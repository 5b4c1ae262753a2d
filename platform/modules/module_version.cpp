#include "platform/modules/module_version.h"

#include "platform/win32/last_error.h"

#include <QStringList>
#include <cstring>
#include <map>
#include <mutex>
#include <tuple>

namespace {

// Block layout: DWORD total bytes, the VS_FIXEDFILEINFO, then per value its path and its text,
// each a NUL-terminated UTF-16 string; an empty path ends the list.
struct Records {
    std::mutex mutex;
    std::map<QString, std::u16string> blocks; // by lower-case module name
};

Records& records() {
    static Records instance;
    return instance;
}

constexpr std::size_t FixedStart = sizeof(DWORD);
constexpr std::size_t TextsStart = FixedStart + sizeof(VS_FIXEDFILEINFO);

// "a.b.c.d" as the two words of a fixed version; missing parts are 0.
std::pair<DWORD, DWORD> versionWords(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    DWORD numbers[4] = {};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        numbers[i] = parts[i].toUInt() & 0xFFFF;
    return {numbers[0] << 16 | numbers[1], numbers[2] << 16 | numbers[3]};
}

QString valueNamed(const ModuleVersionRecord& record, QLatin1String name) {
    for (const auto& [path, text] : record) {
        if (path.endsWith(QLatin1Char('\\') + name, Qt::CaseInsensitive))
            return text;
    }
    return {};
}

VS_FIXEDFILEINFO fixedInfo(const ModuleVersionRecord& record) {
    constexpr DWORD VOS_NT_WINDOWS32 = 0x00040004;
    constexpr DWORD VFT_DLL = 2;
    const QString fileVersion = valueNamed(record, QLatin1String("FileVersion"));
    QString productVersion = valueNamed(record, QLatin1String("ProductVersion"));
    if (productVersion.isEmpty())
        productVersion = fileVersion;
    VS_FIXEDFILEINFO info{};
    info.dwSignature = FixedFileInfoSignature;
    info.dwStrucVersion = 0x00010000;
    std::tie(info.dwFileVersionMS, info.dwFileVersionLS) = versionWords(fileVersion);
    std::tie(info.dwProductVersionMS, info.dwProductVersionLS) = versionWords(productVersion);
    info.dwFileFlagsMask = 0x3F;
    info.dwFileOS = VOS_NT_WINDOWS32;
    info.dwFileType = VFT_DLL;
    return info;
}

std::u16string serialize(const ModuleVersionRecord& record) {
    std::u16string words(TextsStart / sizeof(char16_t), u'\0');
    const VS_FIXEDFILEINFO info = fixedInfo(record);
    std::memcpy(words.data() + FixedStart / sizeof(char16_t), &info, sizeof info);
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
    if (bytes < TextsStart)
        return FALSE;
    if (subBlock == QLatin1String("\\")) {
        *buffer = static_cast<char*>(const_cast<void*>(block)) + FixedStart;
        *length = sizeof(VS_FIXEDFILEINFO);
        return TRUE;
    }
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
    std::size_t position = TextsStart / sizeof(char16_t);
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

bool ModuleVersionValue(const QString& name, const QString& subBlock,
                        const std::function<void(const void* value, UINT length)>& take) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(name, &handle);
    if (size == 0)
        return false;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(name, handle, size, block.data()))
        return false;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), subBlock, &value, &length))
        return false;
    take(value, length);
    return true;
}

QString ModuleFileVersion(const QString& name) {
    QString version;
    ModuleVersionValue(name, QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"),
                       [&](const void* value, UINT length) {
                           if (length > 0)
                               version = QString::fromUtf16(static_cast<const char16_t*>(value),
                                                            length - 1);
                       });
    return version;
}
