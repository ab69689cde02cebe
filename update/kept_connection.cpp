// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/kept_connection.h"

#include <unistd.h>

SocketHandle& SocketHandle::operator=(SocketHandle&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

void SocketHandle::reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}
