// The window's prompt: message boxes and the template dialogs, modal, each returning exactly where
// the reaction waits for it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "platform/Prompt.h"
#include "platform/qt/TemplateDialog.h"

namespace qtbackend {

class QtPrompt : public platform::Prompt {
  public:
    // A message box titled with the application title, with an OK button and, for Exclamation, the
    // warning icon.
    void Message(const std::string& text, platform::MessageIcon icon) override;
    int RunDialog(const platform::DialogTemplate& dialog) override;
    // Qt's own file dialog (object name "fileDialog"), with the filter and, on saving, the suffix.
    std::optional<std::string> ChooseFile(const platform::FileDialog& dialog) override;

    // The window boxes belong to while no other window is active.
    void SetParentWindow(QWidget* window) { m_parent = window; }
    // Shows the picture in every dialog with this template id.
    void SetDialogPicture(int dialogId, DialogPicture picture);

  private:
    QWidget* Parent() const;

    QPointer<QWidget> m_parent;
    std::map<int, DialogPicture> m_pictures;
};

}  // namespace qtbackend
