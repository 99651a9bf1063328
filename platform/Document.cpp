#include "platform/Document.h"

#include <algorithm>

namespace platform {

void CDocument::RemoveView(DocumentView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void CDocument::SetModifiedFlag(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    if (modifiedListener_)
        modifiedListener_();
}

void CDocument::UpdateAllViews() {
    for (DocumentView* view : views_) view->OnUpdate();
}

}  // namespace platform
