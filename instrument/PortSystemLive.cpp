#include "instrument/PortReadiness.h"

#if defined(__unix__)
#include <grp.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace ravemo {

#if defined(__unix__)
namespace {
// Enough for any user's groups; getgrouplist says so when it is not.
constexpr int kMostGroups = 1024;
}  // namespace

PortSystem PortSystem::Live() {
    PortSystem system;
    system.userId = getuid();
    std::vector<gid_t> groups(kMostGroups);
    const int count = getgroups(kMostGroups, groups.data());
    for (int i = 0; i < count; ++i) system.sessionGroupIds.push_back(groups[i]);
    system.sessionGroupIds.push_back(getegid());
    if (const passwd* user = getpwuid(system.userId); user != nullptr) {
        int listed = kMostGroups;
        if (getgrouplist(user->pw_name, user->pw_gid, groups.data(), &listed) >= 0) {
            for (int i = 0; i < listed; ++i) system.listedGroupIds.push_back(groups[i]);
        }
    }
    system.groupName = [](std::uint32_t id) {
        const group* entry = getgrgid(id);
        return entry != nullptr ? QString::fromLocal8Bit(entry->gr_name) : QString::number(id);
    };
    system.groupId = [](const QString& name) -> std::optional<std::uint32_t> {
        const group* entry = getgrnam(name.toLocal8Bit().constData());
        if (entry == nullptr) return std::nullopt;
        return entry->gr_gid;
    };
    return system;
}
#else
// No parallel port set-up to check away from Unix: the folders do not exist.
PortSystem PortSystem::Live() { return {}; }
#endif

}  // namespace ravemo
