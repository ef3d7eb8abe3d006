#include "profile/shared_block_win.h"

#include <cstring>
#include <memory>
#include <vector>

#include "profile/messages.h"

namespace {

// A security descriptor whose DACL lets only the current user and the
// system account open the objects, so other accounts on the machine can
// neither read the profiles nor tamper with what is sent to the mouse.
class OwnerOnlySecurity {
public:
    OwnerOnlySecurity() {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        tokenUser_.resize(size);
        const bool haveUser =
            size > 0 && GetTokenInformation(token, TokenUser, tokenUser_.data(), size, &size);
        CloseHandle(token);
        if (!haveUser) return;
        const PSID user = reinterpret_cast<TOKEN_USER*>(tokenUser_.data())->User.Sid;

        DWORD systemSize = SECURITY_MAX_SID_SIZE;
        if (!CreateWellKnownSid(WinLocalSystemSid, nullptr, system_, &systemSize)) return;

        const DWORD aclSize = sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD)) +
                              GetLengthSid(user) + GetLengthSid(system_);
        acl_.resize(aclSize);
        PACL acl = reinterpret_cast<PACL>(acl_.data());
        if (!InitializeAcl(acl, aclSize, ACL_REVISION) ||
            !AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, user) ||
            !AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, system_) ||
            !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
            !SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE))
            return;
        attributes_ = {sizeof attributes_, &descriptor_, TRUE};
        ready_ = true;
    }
    OwnerOnlySecurity(const OwnerOnlySecurity&) = delete;
    OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;

    // Null when the descriptor could not be built: the caller then creates
    // nothing rather than an object open to everyone.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

private:
    std::vector<BYTE> tokenUser_;
    alignas(DWORD) BYTE system_[SECURITY_MAX_SID_SIZE] = {};
    std::vector<BYTE> acl_;
    SECURITY_DESCRIPTOR descriptor_ = {};
    SECURITY_ATTRIBUTES attributes_ = {};
    bool ready_ = false;
};

void CloseIfOpen(HANDLE& handle) {
    if (handle) CloseHandle(handle);
    handle = nullptr;
}

}  // namespace

bool SharedBlockChannel::CreateBlockMutex() {
    OwnerOnlySecurity security;
    if (mutex_ || !security.Attributes()) return false;
    mutex_ = CreateMutexA(security.Attributes(), FALSE, names::kSharedBlockMutex);
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) CloseIfOpen(mutex_);
    return mutex_ != nullptr;
}

bool SharedBlockChannel::CreateBlock() {
    OwnerOnlySecurity security;
    if (mapping_ || !security.Attributes()) return false;
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, security.Attributes(), PAGE_READWRITE, 0,
                                  static_cast<DWORD>(kSharedBlockSize), names::kSharedBlockMapping);
    if (!mapping_) return false;
    view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kSharedBlockSize);
    if (!view_) CloseIfOpen(mapping_);
    return view_ != nullptr;
}

bool SharedBlockChannel::OpenBlockMutex() {
    if (!mutex_) mutex_ = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, names::kSharedBlockMutex);
    return mutex_ != nullptr;
}

BlockOpenResult SharedBlockChannel::OpenBlock() {
    if (view_) return BlockOpenResult::Opened;
    if (!mapping_) mapping_ = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, names::kSharedBlockMapping);
    if (!mapping_) return BlockOpenResult::Missing;
    view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kSharedBlockSize);
    return view_ ? BlockOpenResult::Opened : BlockOpenResult::ViewFailed;
}

bool SharedBlockChannel::Lock() const {
    if (!view_ || !mutex_) return false;
    // An abandoned mutex is still owned by this thread: the copy may go on.
    const DWORD wait = WaitForSingleObject(mutex_, INFINITE);
    return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

bool SharedBlockChannel::CopyIn(SharedBlock& local) const {
    if (!Lock()) return false;
    std::memcpy(&local, view_, kSharedBlockSize);
    ReleaseMutex(mutex_);
    return true;
}

bool SharedBlockChannel::CopyOut(const SharedBlock& local) {
    if (!Lock()) return false;
    std::memcpy(view_, &local, kSharedBlockSize);
    ReleaseMutex(mutex_);
    return true;
}

void SharedBlockChannel::Release() {
    if (view_) UnmapViewOfFile(view_);
    view_ = nullptr;
    CloseIfOpen(mapping_);
    CloseIfOpen(mutex_);
}
