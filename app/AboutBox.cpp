#include "app/AboutBox.h"

#include "form/ControlIds.h"

const platform::DialogTemplate& AboutBoxTemplate() {
    static const platform::DialogTemplate about = [] {
        platform::DialogTemplate dialog;
        dialog.id = IDD_ABOUTBOX;
        dialog.caption = kAboutCaption;
        dialog.width = 290;
        dialog.height = 111;
        dialog.fontFace = "MS Sans Serif";
        dialog.fontPoints = 8;
        dialog.text =
            "Quellrix V 1.0\n"
            "Hydraulische Bemessung duktiler Gussrohre nach Prandtl-Colebrook.\n\n"
            "Programmierung: das Quellrix-Team\n"
            "Fachliche Beratung: Veltrum-Berlin";
        dialog.buttons = {{1, "OK", 1}};
        return dialog;
    }();
    return about;
}
