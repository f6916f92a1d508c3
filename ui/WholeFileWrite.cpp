#include "ui/WholeFileWrite.h"

#include "text/QtText.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A system error number; 0 for none.
using Error = int;

constexpr int kMostNameAttempts = 100;

std::string Reason(Error error) {
    return std::strerror(error);
}

// An open file, closed when it goes if nobody closed it before.
class OpenFile {
  public:
    explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
    ~OpenFile() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Descriptor() const { return descriptor_; }
    // Closing may report a write the system had put off (on a network file system).
    Error Close() { return ::close(std::exchange(descriptor_, -1)) == 0 ? 0 : errno; }

  private:
    int descriptor_;
};

Error Written(int file, std::string_view bytes) {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(file, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return 0;
}

// Reads to the end, not to the size the file claims: some files claim none.
Error ReadToEnd(int file, std::string& bytes) {
    constexpr std::size_t kChunk = 1 << 16;
    const auto chunk = std::make_unique<char[]>(kChunk);
    for (;;) {
        const ssize_t got = ::pread(file, chunk.get(), kChunk, static_cast<off_t>(bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : 0;
        bytes.append(chunk.get(), static_cast<std::size_t>(got));
    }
}

Error Synced(int file) {
    return ::fsync(file) == 0 ? 0 : errno;
}

Error SizeSet(int file, std::size_t size) {
    return ::ftruncate(file, static_cast<off_t>(size)) == 0 ? 0 : errno;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A new file in the folder of path, under a name that clashes with nothing.
Error CreateBeside(const std::string& path, std::string& created, int& descriptor) {
    for (int attempt = 0; attempt < kMostNameAttempts; ++attempt) {
        created = FolderOf(path) + ".kestrune-" + std::to_string(::getpid()) + '-' +
                  std::to_string(attempt) + ".tmp";
        descriptor = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Why a write beside the old file failed; refused: the folder took no new file, or would
// not let it take the old one's place.
struct BesideResult {
    Error error = 0;
    bool refused = false;
};

BesideResult WriteBeside(const std::string& path, std::string_view bytes, const struct stat* old) {
    std::string created;
    int descriptor = -1;
    if (const Error error = CreateBeside(path, created, descriptor))
        return {error, error == EACCES || error == EPERM};
    OpenFile file(descriptor);
    Error error = old && ::fchmod(descriptor, old->st_mode & 07777) != 0 ? errno : 0;
    if (!error)
        error = Written(descriptor, bytes);
    if (!error)
        error = Synced(descriptor);
    if (!error)
        error = file.Close();
    bool refused = false;
    if (!error && ::rename(created.c_str(), path.c_str()) != 0) {
        error = errno;
        refused = error == EACCES || error == EPERM;
    }
    if (error)
        ::unlink(created.c_str());
    return {error, refused};
}

// Puts the old bytes back after a failed write in place.
std::string Restored(int file, const std::string& old, Error failure) {
    Error error = Written(file, old);
    if (!error)
        error = SizeSet(file, old.size());
    if (!error)
        error = Synced(file);
    if (!error)
        return Reason(failure);
    return Reason(failure) + ", and the old content could not be put back: " + Reason(error);
}

std::string WriteInPlace(const std::string& path, std::string_view bytes) {
    OpenFile file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    const int descriptor = file.Descriptor();
    if (descriptor < 0)
        return Reason(errno);
    std::string old;
    if (const Error error = ReadToEnd(descriptor, old))
        return Reason(error);
    // The space is reserved before any old byte is touched, so a full disk changes nothing.
    if (bytes.size() > old.size()) {
        if (const Error error =
                ::posix_fallocate(descriptor, 0, static_cast<off_t>(bytes.size()))) {
            if (const Error undone = SizeSet(descriptor, old.size()))
                return Reason(error) +
                       ", and the file's size could not be put back: " + Reason(undone);
            return Reason(error);
        }
    }
    Error error = Written(descriptor, bytes);
    if (!error && bytes.size() < old.size())
        error = SizeSet(descriptor, bytes.size());
    if (!error)
        error = Synced(descriptor);
    if (error)
        return Restored(descriptor, old, error);
    error = file.Close();
    return error ? Reason(error) : std::string();
}

// A file the user may not write is never replaced, though its folder would allow it.
Error MayWrite(const std::string& path) {
    const int probe = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (probe < 0)
        return errno;
    ::close(probe);
    return 0;
}

// The file a symbolic link leads to is the one written.
std::string FileBehind(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    const std::string result = real ? std::string(real) : path;
    std::free(real);
    return result;
}

} // namespace

std::string WriteWholeFile(const std::string& name, std::string_view bytes) {
    const QByteArray encoded = QFile::encodeName(ToQt(name));
    std::string path(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return Reason(errno);
    if (exists && S_ISDIR(old.st_mode))
        return "it is a folder";
    if (exists && !S_ISREG(old.st_mode))
        return "it is not a regular file";
    if (exists) {
        if (const Error error = MayWrite(path))
            return Reason(error);
        path = FileBehind(path);
    }
    const BesideResult beside = WriteBeside(path, bytes, exists ? &old : nullptr);
    if (beside.refused && exists)
        return WriteInPlace(path, bytes);
    return beside.error ? Reason(beside.error) : std::string();
}
