#include "platform/win32/security.h"

#include "platform/win32/last_error.h"

BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision) {
    if (!descriptor) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (revision != SECURITY_DESCRIPTOR_REVISION) {
        SetLastError(ERROR_UNKNOWN_REVISION);
        return FALSE;
    }
    *descriptor = SECURITY_DESCRIPTOR{BYTE(revision), FALSE, nullptr};
    return TRUE;
}

BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL daclPresent, PACL dacl, BOOL) {
    if (!descriptor) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    descriptor->DaclPresent = daclPresent;
    descriptor->Dacl = daclPresent ? dacl : nullptr;
    return TRUE;
}

bool GrantsEveryone(const SECURITY_ATTRIBUTES* attributes) {
    if (!attributes || !attributes->lpSecurityDescriptor)
        return false;
    const auto* descriptor =
        static_cast<const SECURITY_DESCRIPTOR*>(attributes->lpSecurityDescriptor);
    return descriptor->Revision == SECURITY_DESCRIPTOR_REVISION && descriptor->DaclPresent &&
           !descriptor->Dacl;
}
