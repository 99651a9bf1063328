#include "app/SaveChangesQuestion.h"

#include "form/model/ControlIds.h"
#include "messages/MessageTexts.h"

const platform::DialogTemplate& SaveChangesQuestion() {
    static const platform::DialogTemplate question = [] {
        platform::DialogTemplate dialog;
        dialog.id = IDD_SAVE_CHANGES;
        dialog.caption = platform::kApplicationTitle;
        dialog.width = 186;
        dialog.height = 52;
        dialog.fontFace = "MS Sans Serif";
        dialog.fontPoints = 8;
        dialog.text = messages::Text(messages::MessageId::SaveChanges);
        dialog.buttons = {
            {IDYES, "Ja", ANSWER_YES}, {IDNO, "Nein", ANSWER_NO}, {IDCANCEL, "Abbrechen", ANSWER_CANCEL}};
        dialog.closeCode = ANSWER_CANCEL;
        return dialog;
    }();
    return question;
}
