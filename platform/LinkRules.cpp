#include "platform/LinkRules.h"

namespace platform {

bool MayFollowLink(const LinkFacts& facts) {
    if (!facts.directorySticky || !facts.directoryWritableByAll)
        return true;
    return facts.linkOwner == facts.user || facts.linkOwner == facts.directoryOwner;
}

}  // namespace platform
