#pragma once
// Security descriptors as far as named objects can follow them: the system keeps POSIX mode bits,
// so a descriptor says only whether the object is its user's alone or everyone's.

#include "platform/win32/types.h"

constexpr DWORD SECURITY_DESCRIPTOR_REVISION = 1;

// An access list stays opaque: no list stands for lists the system could hold.
struct ACL;
using PACL = ACL*;

struct SECURITY_DESCRIPTOR {
    BYTE Revision;
    BOOL DaclPresent;
    PACL Dacl; // present and null: every user has every access
};
using PSECURITY_DESCRIPTOR = SECURITY_DESCRIPTOR*;

// An empty descriptor of revision 1, without an access list; FALSE with
// ERROR_INVALID_PARAMETER for no descriptor, ERROR_UNKNOWN_REVISION for another revision.
BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision);
// Sets the access list; FALSE with ERROR_INVALID_PARAMETER for no descriptor.
BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL daclPresent, PACL dacl,
                               BOOL daclDefaulted);

// True when the attributes carry a descriptor with a present, null access list.
bool GrantsEveryone(const SECURITY_ATTRIBUTES* attributes);
