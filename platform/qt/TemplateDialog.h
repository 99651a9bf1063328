// A modal dialog built from a dialog template: caption, word-wrapped static text, the template's
// placed texts, an optional picture and choice buttons (placed, or in a row at the bottom right), each
// ending the dialog with its code. The close box and the
// Escape key end it with the template's close code.
#pragma once

#include <QDialog>
#include <QPixmap>

#include "platform/FormTemplate.h"
#include "platform/Prompt.h"

namespace qtbackend {

struct DialogPicture {
    QPixmap pixmap;
    platform::DialogRect rect;  // dialog units
};

class TemplateDialog : public QDialog {
  public:
    TemplateDialog(const platform::DialogTemplate& dialog, const DialogPicture* picture, QWidget* parent);

    void reject() override;

  private:
    int m_closeCode;
};

}  // namespace qtbackend
