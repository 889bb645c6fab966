// The hook's listening socket, in a directory only this user can enter, so
// no other user reaches the keys.
#pragma once

#include <fcitx-utils/unixfd.h>
#include <sys/types.h>

#include <string>

namespace orvik::fcitxhook {

// Which file the socket is, so that only this one is removed at the end
// and not one a newer daemon has put in its place.
struct SocketFile {
    dev_t device = 0;
    ino_t inode = 0;
};

struct Listening {
    fcitx::UnixFD fd;  // valid when listening
    SocketFile file;
    std::string error;  // why not, for the log
};

// Listens at `path` (non-blocking, close-on-exec, mode 0600). Creates its
// directory with mode 0700 when missing; an existing one must be this
// user's with no permission for others. A socket left at the path by an
// earlier run is replaced; any other file stays and nothing listens.
Listening ListenAt(const std::string& path);

// Removes the socket at `path` if it is still `file`.
void RemoveSocketFile(const std::string& path, const SocketFile& file);

}  // namespace orvik::fcitxhook
