#include "form/PlenwickView.h"

#include "form/model/ControlIds.h"
#include "help/HelpLauncher.h"
#include "platform/DrawingContext.h"
#include "record/PlenwickDoc.h"

namespace {

// The brush of the "Clear" button.
constexpr platform::Rgb kClearColour{80, 180, 80};

}  // namespace

CPlenwickView::CPlenwickView(CPlenwickDoc& document, const platform::Services& services)
    : FormModel(document, platform::InstalledPrompt(), std::make_unique<FileSettings>()),
      m_services(services) {
    document.AddView(this);
}

CPlenwickView::~CPlenwickView() {
    GetDocument()->RemoveView(this);
}

void CPlenwickView::OnControlEvent(int id, platform::ControlEvent event) {
    if (id == IDC_WEBLINK && event == platform::ControlEvent::Clicked)
        OnWebLink();
    FormModel::OnControlEvent(id, event);
}

std::optional<platform::Rgb> CPlenwickView::ControlBrush(int id) {
    if (id == IDC_CLEAR)
        return kClearColour;
    return std::nullopt;
}

void CPlenwickView::OnInitialUpdate() {
    // The printer's page is read once for the whole run, not again for a new calculation.
    if (!m_pageSizeRead) {
        ReadPrinterPageSize();
        m_pageSizeRead = true;
    }
    ShowFirst();
}

platform::Rgb CPlenwickView::LinkColour(bool pressed) {
    return pressed ? platform::Rgb{250, 20, 20} : platform::Rgb{20, 20, 255};
}

void CPlenwickView::OnDrawItem(int id, platform::DrawingContext& dc, int left, int top, bool pressed) {
    if (id != IDC_WEBLINK)
        return;
    const platform::Rgb previous = dc.SetTextColor(LinkColour(pressed));
    const platform::TextAlign align = dc.SetTextAlign(platform::TextAlign::Left);
    dc.TextOut(left, top, help::kMakerWebAddress);
    dc.SetTextAlign(align);
    dc.SetTextColor(previous);
}

void CPlenwickView::OnDestroy() {
    SaveGlobalData();
    DeleteHelpFile();
}
