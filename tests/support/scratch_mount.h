#pragma once

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <string>

namespace velmaris::testing {

// A small tmpfs mounted over a test's folder, so that the folder can be made read-only or full
// without touching the rest of the machine (as root, permission bits would stop nothing).
// Needs the right to mount: IsMounted() is false where it is refused, and the test then skips.
// Unmounted when it goes, before the folder itself is removed.
class ScratchMount {
  public:
    ScratchMount(const QString& folder, const char* size)
        : path_(folder.toLocal8Bit()),
          mounted_(::mount("tmpfs", path_.constData(), "tmpfs", 0,
                           (std::string("size=") + size).c_str()) == 0) {}
    ~ScratchMount() {
        if (mounted_) {
            ::umount2(path_.constData(), MNT_DETACH);
        }
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    [[nodiscard]] bool IsMounted() const { return mounted_; }

    // Makes the folder read-only; false when that is refused.
    bool MakeReadOnly() const {
        return ::mount("tmpfs", path_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Fills the folder until nothing more can be written; false when the disk never filled.
    bool Fill() const {
        const QByteArray filler = path_ + "/FILLER";
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) {
            return false;
        }
        const std::string block(4096, 'f');
        bool full = false;
        for (int i = 0; i < 1 << 20 && !full; ++i) {
            full = ::write(fd, block.data(), block.size()) < static_cast<ssize_t>(block.size());
        }
        // The last bytes go one by one, so that not even a single byte is free.
        while (full && ::write(fd, "f", 1) == 1) {
        }
        ::close(fd);
        return full;
    }

  private:
    QByteArray path_;
    bool mounted_;
};

}  // namespace velmaris::testing
