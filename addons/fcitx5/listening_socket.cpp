#include "listening_socket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvik::fcitxhook {

namespace {

constexpr mode_t kDirectoryMode = 0700;
constexpr mode_t kSocketMode = 0600;
constexpr int kBacklog = 4;

std::string Failed(const std::string& what) { return what + ": " + std::strerror(errno); }

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Empty when the directory is fit to hold the socket.
std::string PrepareDirectory(const std::string& dir) {
    if (mkdir(dir.c_str(), kDirectoryMode) == 0) {
        // The umask may have taken bits away; the mode must be exact.
        if (chmod(dir.c_str(), kDirectoryMode) != 0) return Failed("cannot set the mode of " + dir);
        return {};
    }
    if (errno != EEXIST) return Failed("cannot create " + dir);
    struct stat info {};
    if (lstat(dir.c_str(), &info) != 0) return Failed("cannot examine " + dir);
    if (!S_ISDIR(info.st_mode)) return dir + " is not a directory";
    if (info.st_uid != getuid()) return dir + " belongs to another user";
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) return dir + " is open to other users (it must be mode 0700)";
    return {};
}

// Empty when nothing is left at the path.
std::string RemoveStaleSocket(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return errno == ENOENT ? std::string() : Failed("cannot examine " + path);
    if (!S_ISSOCK(info.st_mode)) return path + " exists and is not a socket";
    if (unlink(path.c_str()) != 0) return Failed("cannot remove the old socket " + path);
    return {};
}

Listening NotListening(std::string why) { return {{}, {}, std::move(why)}; }

}  // namespace

Listening ListenAt(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return NotListening("the socket path is empty or too long");
    path.copy(address.sun_path, path.size());

    if (std::string error = PrepareDirectory(DirectoryOf(path)); !error.empty()) return NotListening(error);
    if (std::string error = RemoveStaleSocket(path); !error.empty()) return NotListening(error);

    fcitx::UnixFD fd = fcitx::UnixFD::own(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.isValid()) return NotListening(Failed("cannot create a socket"));
    if (bind(fd.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return NotListening(Failed("cannot bind " + path));
    struct stat info {};
    if (chmod(path.c_str(), kSocketMode) != 0 || listen(fd.fd(), kBacklog) != 0 || lstat(path.c_str(), &info) != 0) {
        std::string error = Failed("cannot listen at " + path);
        unlink(path.c_str());
        return NotListening(error);
    }
    return {std::move(fd), {info.st_dev, info.st_ino}, {}};
}

void RemoveSocketFile(const std::string& path, const SocketFile& file) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && info.st_dev == file.device && info.st_ino == file.inode)
        unlink(path.c_str());
}

}  // namespace orvik::fcitxhook
