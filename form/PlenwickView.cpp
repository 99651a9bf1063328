#include "form/PlenwickView.h"

#include <array>
#include <memory>

#include "form/CalculationFormTemplate.h"
#include "form/ControlIds.h"
#include "record/PlenwickDoc.h"

namespace {

using platform::ControlEvent;
using Reaction = void (CPlenwickView::*)();

struct EventRoute {
    int id;
    ControlEvent event;
    Reaction reaction;
};

// The whole wiring of the form: which reaction runs for which event of which control.
constexpr std::array kEventTable{
    // Pipe selection
    EventRoute{IDC_CLASS, ControlEvent::SelectionChanged, &CPlenwickView::OnClassChanged},
    EventRoute{IDC_DN, ControlEvent::SelectionChanged, &CPlenwickView::OnDnChanged},
    EventRoute{IDC_DI, ControlEvent::TextChanged, &CPlenwickView::OnDiChanged},
    EventRoute{IDC_DI, ControlEvent::FocusLost, &CPlenwickView::OnDiLeave},
    EventRoute{IDC_DA, ControlEvent::FocusLost, &CPlenwickView::OnPipeFieldLeave},
    EventRoute{IDC_S, ControlEvent::FocusLost, &CPlenwickView::OnPipeFieldLeave},
    EventRoute{IDC_ZMA, ControlEvent::FocusLost, &CPlenwickView::OnPipeFieldLeave},
    EventRoute{IDC_ROUGHNESS, ControlEvent::SelectionChanged, &CPlenwickView::OnRoughnessChanged},
    EventRoute{IDC_K, ControlEvent::TextChanged, &CPlenwickView::OnKChanged},
    EventRoute{IDC_K, ControlEvent::FocusLost, &CPlenwickView::OnKLeave},
    // Solver, filling mode, sought parameter, Clear, link
    EventRoute{IDC_BERECHNEN, ControlEvent::Clicked, &CPlenwickView::OnBerechnen},
    EventRoute{IDC_FULL_FILLING, ControlEvent::Clicked, &CPlenwickView::OnFullFilling},
    EventRoute{IDC_PARTIAL_FILLING, ControlEvent::Clicked, &CPlenwickView::OnPartialFilling},
    EventRoute{IDC_SOUGHT, ControlEvent::SelectionChanged, &CPlenwickView::OnSoughtChanged},
    EventRoute{IDC_CLEAR, ControlEvent::Clicked, &CPlenwickView::OnClear},
    EventRoute{IDC_WEBLINK, ControlEvent::Clicked, &CPlenwickView::OnWebLink},
    // Parameter group and fluid data
    EventRoute{IDC_J, ControlEvent::FocusLost, &CPlenwickView::OnJLeave},
    EventRoute{IDC_V, ControlEvent::FocusLost, &CPlenwickView::OnVLeave},
    EventRoute{IDC_Q_LS, ControlEvent::FocusLost, &CPlenwickView::OnQLsLeave},
    EventRoute{IDC_Q_M3H, ControlEvent::FocusLost, &CPlenwickView::OnQM3hLeave},
    EventRoute{IDC_A, ControlEvent::FocusLost, &CPlenwickView::OnALeave},
    EventRoute{IDC_RE, ControlEvent::FocusLost, &CPlenwickView::OnReLeave},
    EventRoute{IDC_LAMBDA, ControlEvent::FocusLost, &CPlenwickView::OnLambdaLeave},
    EventRoute{IDC_G, ControlEvent::FocusLost, &CPlenwickView::OnGLeave},
    EventRoute{IDC_RHO, ControlEvent::FocusLost, &CPlenwickView::OnRhoLeave},
    EventRoute{IDC_T, ControlEvent::FocusLost, &CPlenwickView::OnTLeave},
    EventRoute{IDC_NY, ControlEvent::TextChanged, &CPlenwickView::OnNyChanged},
    EventRoute{IDC_NY, ControlEvent::FocusLost, &CPlenwickView::OnNyLeave},
    // Partial filling
    EventRoute{IDC_HT, ControlEvent::FocusLost, &CPlenwickView::OnHtLeave},
    EventRoute{IDC_QT_LS, ControlEvent::FocusLost, &CPlenwickView::OnQtLsLeave},
    EventRoute{IDC_QT_M3H, ControlEvent::FocusLost, &CPlenwickView::OnQtM3hLeave},
    EventRoute{IDC_VT, ControlEvent::FocusLost, &CPlenwickView::OnVtLeave},
};

// The brush of the "Clear" button.
constexpr platform::Rgb kClearColour{80, 180, 80};

}  // namespace

CPlenwickView::CPlenwickView(CPlenwickDoc& document, const platform::Services& services)
    : m_document(document), m_services(services) {
    CreateControls();
    m_controls.AttachSink(this);
    m_document.AddView(this);
}

CPlenwickView::~CPlenwickView() { m_document.RemoveView(this); }

void CPlenwickView::CreateControls() {
    for (const platform::ControlTemplate& control : CalculationFormTemplate().controls) {
        switch (control.kind) {
            case platform::ControlKind::Edit: {
                auto& field = m_controls.Add(std::make_unique<CNumberEdit>(control.id), control.tabStop);
                field.Enable(control.enabled);
                break;
            }
            case platform::ControlKind::List:
                m_controls.Add(std::make_unique<platform::ListControl>(control.id), control.tabStop);
                break;
            case platform::ControlKind::Tabs:
                m_controls.Add(std::make_unique<platform::TabControl>(control.id), control.tabStop);
                break;
            case platform::ControlKind::PushButton:
            case platform::ControlKind::RadioButton:
            case platform::ControlKind::OwnerDrawButton:
                m_controls.Add(std::make_unique<platform::ButtonControl>(control.id, control.kind, control.caption),
                               control.tabStop);
                break;
        }
    }
}

void CPlenwickView::OnControlEvent(int id, platform::ControlEvent event) {
    ++m_eventDepth;
    for (const EventRoute& route : kEventTable) {
        if (route.id == id && route.event == event) {
            (this->*route.reaction)();
            break;
        }
    }
    if (--m_eventDepth == 0)
        RefreshModified();
}

std::optional<platform::Rgb> CPlenwickView::ControlBrush(int id) {
    if (id == IDC_CLEAR) return kClearColour;
    return std::nullopt;
}

CNumberEdit& CPlenwickView::Field(int id) const { return static_cast<CNumberEdit&>(*m_controls.FindEdit(id)); }

platform::ListControl& CPlenwickView::List(int id) const { return *m_controls.FindList(id); }

platform::TabControl& CPlenwickView::SoughtTabs() const { return *m_controls.FindTabs(IDC_SOUGHT); }

platform::ButtonControl& CPlenwickView::Button(int id) const { return *m_controls.FindButton(id); }

void CPlenwickView::EnableControl(int id, bool enabled) { m_controls.Find(id)->Enable(enabled); }
