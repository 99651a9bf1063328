// The framework's document: the one object a view shows and edits.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

class DocumentView {
  public:
    virtual ~DocumentView() = default;
    // The document asks its views to show its state again (no sender, no hint).
    virtual void OnUpdate() = 0;
};

class CDocument {
  public:
    virtual ~CDocument() = default;

    // The framework's new-document step; true to go on.
    virtual bool OnNewDocument() { return true; }
    // Storing and loading; a document that keeps nothing in files leaves both empty.
    virtual void Serialize(bool /*storing*/) {}

    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }

    // Whether the document holds changes not yet saved; the listener hears every change of the flag.
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified);
    void SetModifiedListener(std::function<void()> listener) { m_modifiedListener = std::move(listener); }

    void AddView(DocumentView* view) { m_views.push_back(view); }
    void RemoveView(DocumentView* view);
    void UpdateAllViews();

  private:
    std::string m_title;
    std::vector<DocumentView*> m_views;
    bool m_modified = false;
    std::function<void()> m_modifiedListener;
};

}  // namespace platform
