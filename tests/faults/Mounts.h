#pragma once

// Read-only folders and full disks, made for real: as root, a bind mount
// remounted read-only stops even root, and a tiny tmpfs fills up. The
// tests run in a mount namespace of their own (own-mounts.sh), so nothing
// they mount outlives them.
#include <QString>

#include <sys/mount.h>
#include <unistd.h>

namespace mounts {

inline bool makeReadOnly(const QString &path)
{
    const QByteArray p = path.toLocal8Bit();
    if (::mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) != 0)
        return false;
    if (::mount(nullptr, p.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        ::umount2(p.constData(), MNT_DETACH);
        return false;
    }
    return true;
}

inline bool mountTiny(const QString &dir, int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    return ::mount("tmpfs", dir.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0;
}

inline void unmount(const QString &path)
{
    ::umount2(path.toLocal8Bit().constData(), MNT_DETACH);
}

inline bool canMount()
{
    return ::geteuid() == 0;
}

} // namespace mounts
