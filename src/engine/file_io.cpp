#include "engine/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

// Closes a descriptor when it goes out of scope unless it was closed already.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    // Closes now; false when the close reports an error (a write that failed late).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced changes
// nothing about the file being whole, so failures are ignored.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileRead ReadFileBounded(const std::string& path, size_t maxBytes) {
    FileRead result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            result.status = FileRead::Status::Missing;
        } else {
            result.status = FileRead::Status::Failed;
            result.error = ErrnoText(error);
        }
        return result;
    }
    Descriptor file(fd);
    // One byte past the limit tells whether the file is longer.
    std::string buffer(maxBytes + 1, '\0');
    size_t have = 0;
    while (have < buffer.size()) {
        const ssize_t got = ::read(file.Get(), buffer.data() + have, buffer.size() - have);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.status = FileRead::Status::Failed;
            result.error = ErrnoText(errno);
            return result;
        }
        if (got == 0) {
            break;
        }
        have += static_cast<size_t>(got);
    }
    result.cut = have > maxBytes;
    buffer.resize(result.cut ? maxBytes : have);
    result.status = FileRead::Status::Read;
    result.bytes = std::move(buffer);
    return result;
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return "cannot create the folder " + folder.string() + ": " + ec.message();
    }

    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return "cannot create a file in " + folder.string() + ": " + ErrnoText(errno);
    }
    Descriptor file(fd);
    const auto fail = [&](const std::string& what) {
        const std::string reason = what + ": " + ErrnoText(errno);
        ::unlink(temporary.c_str());
        return reason;
    };
    ::fchmod(file.Get(), 0644);
    if (!WriteAll(file.Get(), bytes)) {
        return fail("cannot write " + temporary);
    }
    if (::fsync(file.Get()) != 0) {
        return fail("cannot flush " + temporary + " to disk");
    }
    if (!file.Close()) {
        return fail("cannot close " + temporary);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return fail("cannot replace " + path);
    }
    SyncFolder(folder.string());
    return "";
}
