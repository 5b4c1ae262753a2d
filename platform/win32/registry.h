#pragma once
// A file-backed registry: every key is a folder under a root folder the program chooses (its
// own folder), one folder per root key ("HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE") and one per
// key below it. Key paths use backslashes; names compare ignoring case, as the original
// registry's do. Paths with empty, "." or ".." parts, or with "/" in a name, are refused, so no
// key can reach outside its root key's folder.
//
// Each operation clears the last error on entry and, on failure, sets it (platform/win32/
// last_error.h): ERROR_BAD_PATHNAME for a refused path, ERROR_FILE_NOT_FOUND for a missing key,
// ERROR_ACCESS_DENIED when the folders cannot be changed.

#include <QString>
#include <cstdint>
#include <optional>

enum class RegistryRoot : std::uint32_t {
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
};

// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE".
QString registryRootName(RegistryRoot root);

class Registry {
public:
    // rootFolder holds one folder per root key; it is created on the first key created.
    explicit Registry(QString rootFolder);

    void setRootKey(RegistryRoot root) { root_ = root; }
    RegistryRoot rootKey() const { return root_; }

    // Creates the key and any missing keys above it; true when it exists afterwards.
    bool createKey(const QString& key);
    bool keyExists(const QString& key) const;
    // Deletes the key with all its subkeys; false when it does not exist or cannot be removed.
    bool deleteKey(const QString& key);

private:
    // The folder of an existing key, or nothing (last error set).
    std::optional<QString> existingKeyFolder(const QString& key) const;

    QString rootFolder_;
    RegistryRoot root_ = RegistryRoot::CurrentUser;
};
