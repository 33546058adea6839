#pragma once

#include <sched.h>
#include <sys/mount.h>

#include <QFile>
#include <QTemporaryDir>

namespace rotaline::testing {

// A 64 KiB filesystem of this test's own, seen by no other process and gone with it. Only the
// superuser can mount one; elsewhere isMounted() is false.
class SmallDisk {
public:
    SmallDisk() {
        mounted_ = ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("rotaline-test", dir_.path().toLocal8Bit().constData(), "tmpfs", 0,
                           "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(dir_.path().toLocal8Bit().constData(), MNT_DETACH);
        }
    }

    bool isMounted() const { return mounted_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString path() const { return dir_.path(); }

    // Takes every free block, so the next write that needs one fails with ENOSPC.
    void fill() {
        QFile filler(filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return;
        }
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write(block.left(1)) == 1) {
        }
    }
    void release() { QFile::remove(filePath(QStringLiteral(".filler"))); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

}  // namespace rotaline::testing
