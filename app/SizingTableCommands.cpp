#include "app/SizingTableCommands.h"

#include <optional>
#include <string>

#include "app/Application.h"
#include "form/PlenwickView.h"
#include "messages/MessageTexts.h"
#include "messages/WindowTexts.h"
#include "platform/DocumentFile.h"
#include "platform/Prompt.h"
#include "sizing/SizingTablePage.h"

void SaveSizingTableCsv(const sizing::Table& table, QuellrixApp& app) {
    platform::FileDialog dialog;
    dialog.kind = platform::FileDialog::Kind::Save;
    dialog.caption = messages::Text(messages::WindowText::SaveTableCaption);
    dialog.suggested = messages::Text(messages::WindowText::TableFileName);
    dialog.filter = messages::Text(messages::WindowText::CsvFilter);
    dialog.suffix = "csv";
    const std::optional<std::string> path = platform::ChooseFile(dialog);
    if (!path)
        return;
    if (!platform::WriteDocumentFile(*path, sizing::CsvText(table, app.Clock().Now())).Written())
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotWritten, *path),
                              platform::MessageIcon::Exclamation);
}

void PrintSizingTable(const sizing::Table& table, QuellrixApp& app, platform::PrinterService& printer,
                      bool preview) {
    if (!app.IsRunning())
        return;
    SizingTablePage page(table, app.View().PageWidth(), app.View().PageHeight(), printer, app.Clock());
    if (preview) {
        printer.Preview(page);
    } else {
        printer.Print(page);
    }
}
