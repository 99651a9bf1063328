// Which symbolic links the program follows when it replaces a file: the rule the Linux kernel applies
// with fs.protected_symlinks = 1, applied here whatever the machine's setting. In a directory that is
// sticky and writable by everyone (as /tmp), a link made by a third user is never followed: it may be
// a trap that points at a file of the user's own.
#pragma once

namespace platform {

struct LinkFacts {
    unsigned linkOwner = 0;
    unsigned user = 0;  // the effective user of the process
    unsigned directoryOwner = 0;
    bool directorySticky = false;
    bool directoryWritableByAll = false;
};

bool MayFollowLink(const LinkFacts& facts);

}  // namespace platform
