#include "app/AboutBox.h"

#include "form/model/ControlIds.h"

const platform::DialogTemplate& AboutBoxTemplate() {
    static const platform::DialogTemplate about = [] {
        platform::DialogTemplate dialog;
        dialog.id = IDD_ABOUTBOX;
        dialog.caption = kAboutCaption;
        dialog.width = 290;
        dialog.height = 111;
        dialog.fontFace = "MS Sans Serif";
        dialog.fontPoints = 8;
        // Beside the picture (14,15 56 x 54): an empty line of text, then the author block.
        dialog.texts = {
            {"", {80, 21, 139, 18}},
            {"Programmierung: das Quellrix-Team\n"
             "Fachliche Beratung: Veltrum-Berlin",
             {80, 47, 139, 41}},
        };
        dialog.buttons = {{1, "OK", 1, {233, 7, 50, 14}}};
        return dialog;
    }();
    return about;
}
