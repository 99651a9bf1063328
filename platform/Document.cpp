#include "platform/Document.h"

#include <algorithm>

namespace platform {

void CDocument::RemoveView(DocumentView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::SetModifiedFlag(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    if (m_modifiedListener)
        m_modifiedListener();
}

void CDocument::UpdateAllViews() {
    for (DocumentView* view : m_views) view->OnUpdate();
}

}  // namespace platform
