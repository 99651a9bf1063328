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

    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Whether the document holds changes not yet saved; the listener hears every change of the flag.
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified);
    void SetModifiedListener(std::function<void()> listener) { modifiedListener_ = std::move(listener); }

    void AddView(DocumentView* view) { views_.push_back(view); }
    void RemoveView(DocumentView* view);
    void UpdateAllViews();

private:
    std::string title_;
    std::vector<DocumentView*> views_;
    bool modified_ = false;
    std::function<void()> modifiedListener_;
};

}  // namespace platform
