#include "app/CommandTexts.h"

#include <array>
#include <utility>

#include "messages/CommandTexts.h"

namespace {

constexpr std::array<std::pair<Command, messages::CommandText>, 24> kPrompts{{
    {Command::New, messages::CommandText::New},
    {Command::Open, messages::CommandText::Open},
    {Command::Save, messages::CommandText::Save},
    {Command::SaveAs, messages::CommandText::SaveAs},
    {Command::PrintSetup, messages::CommandText::PrintSetup},
    {Command::Print, messages::CommandText::Print},
    {Command::PrintPreview, messages::CommandText::PrintPreview},
    {Command::RecentFile1, messages::CommandText::RecentFile1},
    {Command::Undo, messages::CommandText::Undo},
    {Command::Cut, messages::CommandText::Cut},
    {Command::Copy, messages::CommandText::Copy},
    {Command::Paste, messages::CommandText::Paste},
    {Command::About, messages::CommandText::About},
    {Command::Exit, messages::CommandText::Exit},
    {Command::ToggleToolbar, messages::CommandText::ToggleToolbar},
    {Command::ToggleStatusBar, messages::CommandText::ToggleStatusBar},
    {Command::FillingCurves, messages::CommandText::FillingCurves},
    {Command::SizingTable, messages::CommandText::SizingTable},
    {Command::CopyResults, messages::CommandText::CopyResults},
    {Command::SavePdf, messages::CommandText::SavePdf},
    {Command::ProjectHeader, messages::CommandText::ProjectHeader},
    {Command::PrintDesignSheet, messages::CommandText::PrintDesignSheet},
    {Command::PreviewDesignSheet, messages::CommandText::PreviewDesignSheet},
    {Command::SaveDesignSheetPdf, messages::CommandText::SaveDesignSheetPdf},
}};

}  // namespace

CommandPrompt PromptFor(Command command) {
    for (const auto& [candidate, text] : kPrompts) {
        if (candidate != command)
            continue;
        const std::string_view whole = messages::Text(text);
        const size_t lineBreak = whole.find('\n');
        if (lineBreak == std::string_view::npos)
            return {whole, {}};
        return {whole.substr(0, lineBreak), whole.substr(lineBreak + 1)};
    }
    return {};
}
