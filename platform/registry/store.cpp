#include "platform/registry/store.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reg::detail {

namespace fs = std::filesystem;

namespace {

const char* const kLockName = "registry.lock";

[[noreturn]] void failErrno(const std::string& what, const fs::path& p, int err) {
    throw RegistryError(what + " " + p.string() + ": " + std::strerror(err));
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    Fd& operator=(Fd&& o) noexcept {
        std::swap(fd_, o.fd_);
        return *this;
    }
    int get() const { return fd_; }
    // Closes now and reports the result, for files whose close must succeed.
    int close() {
        int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

void lockFd(const Fd& fd, int how, const fs::path& p) {
    while (::flock(fd.get(), how) != 0) {
        if (errno != EINTR) failErrno("cannot lock", p, errno);
    }
}

// The lock is released when the descriptor closes.
Fd lockShared(const fs::path& folder) {
    const fs::path lockPath = folder / kLockName;
    Fd fd(::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0 && errno == ENOENT) fd = Fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    // Without a lock file nobody can have written here since we looked: a
    // folder that does not exist or cannot take the lock file cannot take
    // the temporary files of a writer either. Read unlocked then.
    if (fd.get() < 0) return Fd();
    lockFd(fd, LOCK_SH, lockPath);
    return fd;
}

Fd lockExclusive(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw RegistryError("cannot create the registry store folder " + folder.string() + ": " + ec.message());
    if (!fs::is_directory(folder, ec))
        throw RegistryError("the registry store " + folder.string() + " is not a folder");
    const fs::path lockPath = folder / kLockName;
    Fd fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (fd.get() < 0) failErrno("cannot open the lock file", lockPath, errno);
    lockFd(fd, LOCK_EX, lockPath);
    return fd;
}

std::optional<std::string> readFile(const fs::path& p) {
    Fd fd(::open(p.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        failErrno("cannot read", p, errno);
    }
    std::string data;
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            failErrno("cannot read", p, errno);
        }
        if (n == 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    return data;
}

// Temporary file in the same folder, flushed to disk, renamed over the old
// file, then the folder flushed so the rename itself survives a crash.
void replaceFile(const fs::path& folder, const fs::path& target, const std::string& content) {
    std::string tmpl = target.string() + ".tmp.XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    Fd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) failErrno("cannot write a temporary file in", folder, errno);
    const fs::path tmpPath(name.data());
    try {
        if (::fchmod(fd.get(), 0644) != 0) failErrno("cannot set the mode of", tmpPath, errno);
        size_t done = 0;
        while (done < content.size()) {
            ssize_t n = ::write(fd.get(), content.data() + done, content.size() - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                failErrno("cannot write", tmpPath, errno);
            }
            done += static_cast<size_t>(n);
        }
        if (::fsync(fd.get()) != 0) failErrno("cannot flush", tmpPath, errno);
        if (fd.close() != 0) failErrno("cannot close", tmpPath, errno);
        if (::rename(tmpPath.c_str(), target.c_str()) != 0) failErrno("cannot replace", target, errno);
    } catch (...) {
        ::unlink(tmpPath.c_str());
        throw;
    }
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::fsync(dir.get()) != 0) failErrno("cannot flush the folder", folder, errno);
}

Roots loadRoots(const fs::path& folder, std::initializer_list<RootKey> which) {
    Roots roots;
    for (RootKey r : which) {
        const fs::path file = storeFile(folder, r);
        std::optional<std::string> bytes = readFile(file);
        roots.tree[static_cast<int>(r)] = loadRootText(bytes ? *bytes : std::string(), r, file.string());
    }
    return roots;
}

}  // namespace

fs::path storeFile(const fs::path& folder, RootKey root) {
    return folder / (std::string(rootName(root)) + ".reg");
}

Roots readStore(const fs::path& folder, std::initializer_list<RootKey> which) {
    Fd lock = lockShared(folder);
    return loadRoots(folder, which);
}

void changeStore(const fs::path& folder, std::initializer_list<RootKey> which,
                 const std::function<void(Roots&)>& change) {
    Fd lock = lockExclusive(folder);
    Roots roots = loadRoots(folder, which);
    change(roots);
    for (RootKey r : which) {
        const int i = static_cast<int>(r);
        if (!roots.changed[i]) continue;
        std::string content = std::string(kFileHeader) + "\n\n";
        formatSections(*roots.tree[i], r, content);
        replaceFile(folder, storeFile(folder, r), content);
    }
}

}  // namespace reg::detail
