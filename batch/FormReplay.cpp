#include "batch/FormReplay.h"

#include <cmath>

#include "batch/FieldText.h"
#include "catalogue/RoughnessChoices.h"
#include "form/reactions/ReactionTolerances.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/InputChecks.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "platform/Number.h"

namespace batch {

namespace {

using hydraulics::units::kCubicMetrePerHour;
using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMetrePerKilometre;
using hydraulics::units::kMicroSquareMetrePerSecond;
using hydraulics::units::kMillimetre;

using hydraulics::EntryQuantity;
using hydraulics::EntrySide;
using hydraulics::FiniteOrNone;
using hydraulics::kMinFlowDiameter;
using hydraulics::PartialQuantity;

using namespace reactions;

}  // namespace

FormReplay::FormReplay(const Catalogue& catalogue) : m_catalogue(catalogue) {
    Start();
    m_startDoc = m_doc;
    for (size_t i = 0; i < static_cast<size_t>(Field::Count); ++i) m_startText[i] = m_text[i];
    m_startClass = m_class;
    m_startDn = m_dn;
    m_startDiText = m_diText;
}

// The form's first showing, from "Rohre.ini" as read.
void FormReplay::Start() {
    m_doc = ReplayRecord();
    if (m_catalogue.gravity) {
        SetText(Field::G, *m_catalogue.gravity);
        m_doc.g = Number(Field::G);
    }
    if (m_catalogue.temperature) {
        m_doc.T = platform::LeadingFiniteNumber(*m_catalogue.temperature);
        if (m_doc.rho != 0)
            m_doc.ny = hydraulics::ViscosityFromTemperature(m_doc.T, m_doc.rho);
        SetText(Field::T, *m_catalogue.temperature);
    }
    if (m_catalogue.density) {
        m_doc.rho = platform::LeadingFiniteNumber(*m_catalogue.density);
        if (m_doc.rho != 0)
            m_doc.ny = hydraulics::ViscosityFromTemperature(m_doc.T, m_doc.rho);
        SetText(Field::Rho, *m_catalogue.density);
    }
    ShowViscosity();
    if (!m_catalogue.classes.empty())
        OnClassChanged(0);
    OnRoughnessChanged(kManualRoughness);
    m_messages.clear();
}

double FormReplay::Number(Field field) const {
    return FieldNumber(Text(field));
}

void FormReplay::SetText(Field field, std::string text) {
    TextOf(field) = std::move(text);
    Changed(field);
}

void FormReplay::Empty(Field field) {
    TextOf(field).clear();
    Changed(field);
}

void FormReplay::Changed(Field field) {
    switch (field) {
        case Field::Di:
            OnDiChanged();
            break;
        case Field::K:
            OnKChanged();
            break;
        case Field::Ny:
            OnNyChanged();
            break;
        default:
            break;
    }
}

void FormReplay::Show(Field field, double x) {
    SetText(field, ShownNumber(x));
}

// Clicking into the field, typing the text one character at a time, and leaving it: the change
// reaction runs for every character; leaving rewrites the text (one more change), then the leave
// reaction runs.
void FormReplay::Type(Field field, const std::string& text) {
    m_focus = field;
    // Every change reaction stores what the text holds, so the last text decides; but the di field
    // only counts a change of its text, and the text before the last character always is one.
    if (field == Field::Di && text.size() > 1)
        SetText(field, text.substr(0, text.size() - 1));
    SetText(field, text);
    SetText(field, text);
    switch (field) {
        case Field::Di:
            OnDiLeave();
            break;
        case Field::K:
            OnKLeave();
            break;
        case Field::V:
            OnVLeave();
            break;
        case Field::QLs:
            OnFlowEntered(Number(Field::QLs) * kLitrePerSecond.toSi, Field::QM3h,
                          kCubicMetrePerHour.toDisplay);
            break;
        case Field::Re:
            OnReLeave();
            break;
        case Field::J:
            OnJLeave();
            break;
        case Field::Lambda:
            OnLambdaLeave();
            break;
        case Field::A:
            OnALeave();
            break;
        case Field::T:
            OnTLeave();
            break;
        case Field::Rho:
            OnRhoLeave();
            break;
        case Field::G:
            OnGLeave();
            break;
        case Field::Ht:
            OnHtLeave();
            break;
        case Field::QtLs:
            OnQtLsLeave();
            break;
        case Field::Vt:
            OnVtLeave();
            break;
        default:
            break;
    }
    m_focus = Field::Count;
}

void FormReplay::Run(const RowEntries& entries) {
    m_doc = m_startDoc;
    // Only the texts the last row wrote go back.
    for (size_t i = 0; i < static_cast<size_t>(Field::Count); ++i) {
        if (m_written & (1u << i))
            m_text[i] = m_startText[i];
    }
    m_written = 0;
    m_class = m_startClass;
    m_dn = m_startDn;
    m_diText = m_startDiText;
    m_diTyped = false;
    m_focus = Field::T;
    m_adjustDialogOpen = false;
    m_partialGiven.reset();
    m_messages.clear();

    // Leaving the temperature field, which has the focus at the start, changes nothing.
    if (entries.partialFilling)
        m_doc.fullFilling = false;
    if (entries.sought != SOUGHT_J)
        OnSoughtChanged(entries.sought);
    if (entries.T)
        Type(Field::T, *entries.T);
    if (entries.rho)
        Type(Field::Rho, *entries.rho);
    if (entries.g)
        Type(Field::G, *entries.g);
    if (entries.classIndex >= 0)
        OnClassChanged(entries.classIndex);
    if (entries.dnIndex >= 0)
        OnDnChanged(entries.dnIndex);
    if (entries.di)
        Type(Field::Di, *entries.di);
    if (entries.roughness >= 0)
        OnRoughnessChanged(entries.roughness);
    if (entries.k)
        Type(Field::K, *entries.k);
    if (entries.v)
        Type(Field::V, *entries.v);
    if (entries.Q)
        Type(Field::QLs, *entries.Q);
    if (entries.ny)
        Type(Field::Ny, *entries.ny);
    if (entries.Re)
        Type(Field::Re, *entries.Re);
    if (entries.J)
        Type(Field::J, *entries.J);
    if (entries.lambda)
        Type(Field::Lambda, *entries.lambda);
    if (entries.A)
        Type(Field::A, *entries.A);
    if (entries.partial) {
        switch (*entries.partial) {
            case PartialQuantity::Ht:
                Type(Field::Ht, entries.partialText);
                break;
            case PartialQuantity::Qt:
                Type(Field::QtLs, entries.partialText);
                break;
            case PartialQuantity::Vt:
                Type(Field::Vt, entries.partialText);
                break;
        }
    }
    if (entries.calculate)
        OnBerechnen();
}

// --- sought parameter ---

void FormReplay::OnSoughtChanged(int sought) {
    m_doc.calculated = false;
    Empty(Field::Re);
    m_doc.sought = sought;
    switch (sought) {
        case SOUGHT_J:
            Empty(Field::J);
            break;
        case SOUGHT_VQ:
            Empty(Field::V);
            Empty(Field::QLs);
            Empty(Field::QM3h);
            break;
        case SOUGHT_DI:
            Empty(Field::Lambda);
            m_doc.lambda = 0;
            Empty(Field::Re);
            m_doc.Re = 0;
            Empty(Field::QLs);
            Empty(Field::QM3h);
            m_doc.Q = 0;
            Empty(Field::V);
            m_doc.v = 0;
            break;
        default:
            break;
    }
}

// --- pipe selection ---

void FormReplay::OnClassChanged(int classIndex) {
    const int previousDn =
        m_class >= 0 && m_dn >= 0
            ? m_catalogue.classes[static_cast<size_t>(m_class)].dnNumbers[static_cast<size_t>(m_dn)]
            : 0;
    m_class = classIndex;
    m_dn = -1;
    const CatalogueClass& pipeClass = m_catalogue.classes[static_cast<size_t>(classIndex)];
    const std::vector<PipeRow>& rows = pipeClass.rows;
    int choice = -1;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (pipeClass.dnNumbers[i] >= previousDn) {
            choice = static_cast<int>(i);
            break;
        }
    }
    if (choice < 0) {
        Tell(messages::Text(messages::MessageId::NoMatchingDn));
        choice = 0;
    }
    if (rows.empty())
        return;
    OnDnChanged(choice);
}

void FormReplay::OnDnChanged(int dnIndex) {
    m_dn = dnIndex;
    const CatalogueClass& pipeClass = m_catalogue.classes[static_cast<size_t>(m_class)];
    const int wantedDn = pipeClass.dnNumbers[static_cast<size_t>(dnIndex)];
    for (size_t i = 0; i < pipeClass.rows.size(); ++i) {
        if (pipeClass.dnNumbers[i] != wantedDn)
            continue;
        const PipeRow& row = pipeClass.rows[i];
        if (row.da)
            SetText(Field::Da, *row.da);
        if (row.s)
            SetText(Field::S, *row.s);
        if (row.ZMA)
            SetText(Field::Zma, *row.ZMA);
        const std::string diShown = Text(Field::Di);
        // A row with all three values always shows the same di.
        SetText(Field::Di, row.da && row.s && row.ZMA
                               ? pipeClass.diTexts[i]
                               : FixedText(hydraulics::InnerDiameter(Number(Field::Da), Number(Field::S),
                                                                     Number(Field::Zma)),
                                           kCatalogueDiDecimals, kCatalogueDiWidth));
        if (Text(Field::Di) == diShown)
            TakeDi(Number(Field::Di));
        return;
    }
}

void FormReplay::ClearFlow() {
    m_doc.v = 0;
    m_doc.Q = 0;
    m_doc.Re = 0;
    m_doc.calculated = false;
    for (Field field : {Field::V, Field::QLs, Field::QM3h, Field::Re, Field::Lambda}) Empty(field);
}

void FormReplay::TakeDi(double diMm) {
    m_doc.Di = diMm * kMillimetre.toSi;
    m_doc.calculated = false;
    ClearFlow();
    if (m_doc.fullFilling) {
        // Rows of one pipe show the same area.
        if (diMm != m_areaDiMm) {
            m_areaDiMm = diMm;
            m_areaText = ShownNumber(hydraulics::AreaFromDiameter(diMm * kMillimetre.toSi));
        }
        SetText(Field::A, m_areaText);
    }
}

void FormReplay::OnDiChanged() {
    const std::string& text = Text(Field::Di);
    if (text == m_diText)
        return;
    m_diText = text;
    if (m_focus == Field::Di)
        m_diTyped = true;
    TakeDi(Number(Field::Di));
}

void FormReplay::OnDiLeave() {
    double di = Number(Field::Di) * kMillimetre.toSi;
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(di, hydraulics::kDiameterEntry);
    const bool clamped = check.crossed != EntrySide::Within && check.clamped;
    if (check.crossed != EntrySide::Within)
        Tell(messages::EntryLimitMessage(EntryQuantity::Di, check.crossed));
    if (clamped) {
        di = check.value;
        Show(Field::Di, di * kMillimetre.toDisplay);
    }
    const bool changed = clamped || m_diTyped;
    m_diTyped = false;
    if (!changed)
        return;
    m_doc.Di = di;
    ClearFlow();
    for (Field field : {Field::Ht, Field::QtLs, Field::QtM3h}) Empty(field);
    m_doc.Qt = 0;
    Empty(Field::Vt);
    m_doc.vt = 0;
    Empty(Field::Ht);
    m_doc.ht = 0;
    if (m_doc.fullFilling)
        Show(Field::A, hydraulics::AreaFromDiameter(di));
}

void FormReplay::OnRoughnessChanged(int position) {
    const std::vector<RoughnessChoice>& choices = RoughnessChoices();
    if (position < 0 || position >= static_cast<int>(choices.size()))
        return;
    const double kMm = choices[static_cast<size_t>(position)].kMm;
    Show(Field::K, kMm);
    m_doc.k = kMm * kMillimetre.toSi;
    m_doc.calculated = false;
}

void FormReplay::OnKChanged() {
    m_doc.k = Number(Field::K) * kMillimetre.toSi;
    m_doc.calculated = false;
}

void FormReplay::OnKLeave() {
    const double k = Number(Field::K) * kMillimetre.toSi;
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(k, hydraulics::kRoughnessEntry);
    if (check.crossed == EntrySide::Within)
        return;
    Tell(messages::EntryLimitMessage(EntryQuantity::K, check.crossed));
    if (check.clamped)
        Show(Field::K, check.value * kMillimetre.toDisplay);
}

// --- parameters and fluid data ---

void FormReplay::ShowFlow(double Q) {
    Show(Field::QLs, Q * kLitrePerSecond.toDisplay);
    Show(Field::QM3h, Q * kCubicMetrePerHour.toDisplay);
}

void FormReplay::ClearLambdaAndReynolds() {
    Empty(Field::Lambda);
    m_doc.lambda = 0;
    Empty(Field::Re);
    m_doc.Re = 0;
    m_doc.calculated = false;
}

void FormReplay::ClearPartialFilling() {
    Empty(Field::QtLs);
    Empty(Field::QtM3h);
    m_doc.Qt = 0;
    Empty(Field::Vt);
    m_doc.vt = 0;
    Empty(Field::Ht);
    m_doc.ht = 0;
}

void FormReplay::DeriveReynolds(double v, double di) {
    if (m_doc.ny <= 0)
        return;
    m_doc.Re = hydraulics::Reynolds(v, di, m_doc.ny);
    m_doc.calculated = false;
    Show(Field::Re, m_doc.Re);
}

void FormReplay::ApplyVelocityAndFlow(double v, double di) {
    m_doc.v = v;
    Show(Field::V, v);
    m_doc.Q = hydraulics::FlowFromVelocity(di, v);
    m_doc.calculated = false;
    ShowFlow(m_doc.Q);
}

// The Q-or-v dialog, ended by its close box: v goes.
template <class RestoreEntry>
void FormReplay::AskWhichToZero(RestoreEntry restoreEntry) {
    if (!Given(m_doc.Q) || !Given(m_doc.v) || m_adjustDialogOpen)
        return;
    restoreEntry();
    Empty(Field::V);
    m_doc.v = 0;
    m_doc.calculated = false;
}

void FormReplay::OnVLeave() {
    if (Text(Field::V).empty())
        return;
    double v = Number(Field::V);
    if (std::fabs(v - m_doc.v) < kVelocityTolerance)
        return;
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(v, hydraulics::kVelocityEntry);
    if (check.crossed != EntrySide::Within) {
        Tell(messages::EntryLimitMessage(EntryQuantity::V, check.crossed));
        if (check.clamped) {
            v = check.value;
            Show(Field::V, v);
        }
    }
    m_doc.v = v;
    m_doc.calculated = false;
    if (m_doc.sought == SOUGHT_DI) {
        if (Given(v) && Given(m_doc.Q))
            ClearLambdaAndReynolds();
    } else if (const double di = m_doc.Di; di > kMinFlowDiameter) {
        m_doc.Q = hydraulics::FlowFromVelocity(di, v);
        ShowFlow(m_doc.Q);
        DeriveReynolds(v, di);
    }
    ClearPartialFilling();
}

void FormReplay::OnFlowEntered(double Q, Field otherField, double otherToDisplay) {
    if (std::fabs(Q - m_doc.Q) < kFlowTolerance)
        return;
    m_doc.Q = Q;
    m_doc.calculated = false;
    Show(otherField, Q * otherToDisplay);
    if (m_doc.sought == SOUGHT_DI) {
        if (Given(Q) && Given(m_doc.v))
            ClearLambdaAndReynolds();
    } else if (const double di = m_doc.Di; di > kMinFlowDiameter) {
        const double v = hydraulics::VelocityFromFlow(Q, di);
        m_doc.v = v;
        Show(Field::V, v);
        DeriveReynolds(v, di);
    }
    ClearPartialFilling();
}

void FormReplay::OnReLeave() {
    if (Text(Field::Re).empty())
        return;
    double Re = Number(Field::Re);
    if (std::fabs(Re - m_doc.Re) < kReynoldsTolerance)
        return;
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(Re, hydraulics::kReynoldsEntry);
    if (check.crossed != EntrySide::Within) {
        Tell(messages::EntryLimitMessage(EntryQuantity::Re, check.crossed));
        if (check.clamped) {
            Re = check.value;
            Show(Field::Re, Re);
        }
    }
    if (std::fabs(m_doc.Re - Re) <= kReynoldsStep)
        return;
    const double v = m_doc.v;
    const double di = m_doc.Di;
    m_doc.Re = Re;
    m_doc.calculated = false;

    if (m_doc.sought == SOUGHT_DI) {
        Empty(Field::Lambda);
        m_doc.lambda = 0;
        Empty(Field::J);
        m_doc.I = 0;
        AskWhichToZero([&] {
            m_doc.Re = Re;
            Show(Field::Re, Re);
        });
        return;
    }
    // The Reynolds dialog, ended by its close box: ν is adapted.
    if (Re > 0 && v > 0 && di > 0) {
        const double newNy = di * v / Re;
        m_doc.ny = newNy;
        Show(Field::Ny, newNy * kMicroSquareMetrePerSecond.toDisplay);
    }
}

void FormReplay::OnJLeave() {
    double I = Number(Field::J) * kMetrePerKilometre.toSi;
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(I, hydraulics::kSlopeEntry);
    if (check.crossed != EntrySide::Within) {
        Tell(messages::EntryLimitMessage(EntryQuantity::I, check.crossed));
        if (check.clamped) {
            I = check.value;
            Show(Field::J, I * kMetrePerKilometre.toDisplay);
        }
    }
    m_doc.I = I;
    m_doc.calculated = false;
}

void FormReplay::OnALeave() {
    const double Q = m_doc.Q;
    const double v = m_doc.v;
    const double storedDi = m_doc.Di;
    const double A = Number(Field::A);
    if (!m_doc.fullFilling) {
        Tell(messages::Text(messages::MessageId::AreaInPartialFilling));
        return;
    }
    const double di = A > 0 ? hydraulics::DiameterFromArea(A) : 0.0;
    if (m_doc.sought == SOUGHT_DI)
        return;
    if (std::fabs(storedDi - di) < kDiameterTolerance)
        return;
    m_doc.Di = di;
    Show(Field::Di, di * kMillimetre.toDisplay);
    if (Q <= 0 || v <= 0 || di <= 0)
        return;
    // The area dialog, ended by its close box: v is adapted.
    ShowFlow(Q);
    const double newV = hydraulics::VelocityFromFlow(Q, di);
    Show(Field::V, newV);
    m_doc.Q = Q;
    m_doc.v = newV;
    DeriveReynolds(newV, di);
}

void FormReplay::OnLambdaLeave() {
    if (Text(Field::Lambda).empty())
        return;
    const double lambda = Number(Field::Lambda);
    if (std::fabs(lambda - m_doc.lambda) < kLambdaTolerance)
        return;
    m_doc.lambda = lambda;
    m_doc.calculated = false;
    if (m_doc.sought != SOUGHT_DI || !Given(lambda))
        return;
    Empty(Field::Re);
    m_doc.Re = 0;
    AskWhichToZero([&] {
        m_doc.lambda = lambda;
        Show(Field::Lambda, lambda);
    });
}

void FormReplay::OnNyChanged() {
    const double di = m_doc.Di;
    const double v = m_doc.v;
    if (di <= kMinFlowDiameter || v <= 0)
        return;
    const double ny = Number(Field::Ny) * kMicroSquareMetrePerSecond.toSi;
    const double Re = ny != 0 ? hydraulics::Reynolds(v, di, ny) : 0.0;
    const double shown = std::isfinite(Re) ? Re : 0.0;
    m_doc.Re = shown;
    m_doc.calculated = false;
    Show(Field::Re, shown);
}

void FormReplay::OnGLeave() {
    const double g = Number(Field::G);
    if (std::fabs(g - m_doc.g) > kGravityTolerance) {
        m_doc.g = g;
        m_doc.calculated = false;
    }
}

void FormReplay::OnRhoLeave() {
    const double rho = Number(Field::Rho);
    if (std::fabs(rho - m_doc.rho) <= kDensityTolerance)
        return;
    m_doc.rho = rho;
    if (rho != 0)
        m_doc.ny = hydraulics::ViscosityFromTemperature(m_doc.T, rho);
    ShowViscosity();
}

void FormReplay::OnTLeave() {
    const double T = Number(Field::T);
    if (std::fabs(T - m_doc.T) <= kTemperatureTolerance)
        return;
    m_doc.T = T;
    if (m_doc.rho != 0)
        m_doc.ny = hydraulics::ViscosityFromTemperature(T, m_doc.rho);
    m_doc.calculated = false;
    ShowViscosity();
}

void FormReplay::ShowViscosity() {
    Show(Field::Ny, m_doc.ny * kMicroSquareMetrePerSecond.toDisplay);
}

// --- partial filling ---

namespace {

double PartialValue(const ReplayRecord& doc, PartialQuantity quantity) {
    switch (quantity) {
        case PartialQuantity::Ht:
            return doc.ht;
        case PartialQuantity::Qt:
            return doc.Qt;
        case PartialQuantity::Vt:
            return doc.vt;
    }
    return 0;
}

}  // namespace

std::optional<PartialQuantity> FormReplay::GivenPartialQuantity() const {
    if (m_partialGiven && PartialValue(m_doc, *m_partialGiven) > 0)
        return m_partialGiven;
    for (PartialQuantity quantity : {PartialQuantity::Ht, PartialQuantity::Qt, PartialQuantity::Vt}) {
        if (PartialValue(m_doc, quantity) > 0)
            return quantity;
    }
    return std::nullopt;
}

void FormReplay::ShowPartialFlow(double Qt) {
    Show(Field::QtLs, Qt * kLitrePerSecond.toDisplay);
    Show(Field::QtM3h, Qt * kCubicMetrePerHour.toDisplay);
}

void FormReplay::ApplyPartialFilling(const hydraulics::PartialFilling& partial, PartialQuantity given) {
    if (given != PartialQuantity::Ht) {
        m_doc.ht = partial.ht;
        Show(Field::Ht, partial.ht * kMillimetre.toDisplay);
    }
    m_doc.surfaceWidth = partial.surfaceWidth;
    Show(Field::Width, partial.surfaceWidth * kMillimetre.toDisplay);
    if (given != PartialQuantity::Qt) {
        ShowPartialFlow(partial.Qt);
        m_doc.Qt = partial.Qt;
    }
    if (given != PartialQuantity::Vt) {
        Show(Field::Vt, partial.vt);
        m_doc.vt = partial.vt;
    }
}

void FormReplay::CompletePartialFilling(bool afterResult) {
    const std::optional<PartialQuantity> given = GivenPartialQuantity();
    if (!given)
        return;
    m_partialGiven = given;
    const hydraulics::PartialFilling partial =
        hydraulics::PartialFillingFrom(*given, PartialValue(m_doc, *given), m_doc.Di, m_doc.Q, m_doc.v);
    if (partial.derived || afterResult)
        ApplyPartialFilling(partial, *given);
}

void FormReplay::OnQtLsLeave() {
    if (Text(Field::QtLs).empty())
        return;
    const double Qt = Number(Field::QtLs) * kLitrePerSecond.toSi;
    if (std::fabs(Qt - m_doc.Qt) < kFlowTolerance)
        return;
    Empty(Field::Vt);
    m_doc.Qt = Qt;
    m_partialGiven = PartialQuantity::Qt;
    Show(Field::QtM3h, Qt * kCubicMetrePerHour.toDisplay);
    if (m_doc.sought == SOUGHT_DI)
        return;
    const hydraulics::PartialFilling partial =
        hydraulics::PartialFillingFrom(PartialQuantity::Qt, Qt, m_doc.Di, m_doc.Q, m_doc.v);
    if (partial.derived)
        ApplyPartialFilling(partial, PartialQuantity::Qt);
}

void FormReplay::OnVtLeave() {
    if (Text(Field::Vt).empty())
        return;
    double vt = Number(Field::Vt);
    if (std::fabs(vt - m_doc.vt) < kPartialVelocityTolerance)
        return;
    Empty(Field::QtLs);
    Empty(Field::QtM3h);
    m_doc.Qt = 0;
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(vt, hydraulics::kVelocityEntry);
    if (check.crossed != EntrySide::Within) {
        Tell(messages::EntryLimitMessage(EntryQuantity::Vt, check.crossed));
        if (check.clamped) {
            vt = check.value;
            Show(Field::Vt, vt);
        }
    }
    m_doc.vt = vt;
    m_partialGiven = PartialQuantity::Vt;
    if (m_doc.sought == SOUGHT_DI)
        return;
    const hydraulics::PartialFilling partial =
        hydraulics::PartialFillingFrom(PartialQuantity::Vt, vt, m_doc.Di, m_doc.Q, m_doc.v);
    if (partial.derived)
        ApplyPartialFilling(partial, PartialQuantity::Vt);
}

void FormReplay::OnHtLeave() {
    if (Text(Field::Ht).empty())
        return;
    double ht = Number(Field::Ht) * kMillimetre.toSi;
    if (std::fabs(ht - m_doc.ht) < kHeightTolerance)
        return;
    m_doc.Qt = 0;
    const double di = m_doc.Di;
    if (ht < hydraulics::kMinFillingHeight) {
        ht = hydraulics::kMinFillingHeight;
        Tell(messages::EntryLimitMessage(EntryQuantity::Ht, EntrySide::Low));
        Show(Field::Ht, hydraulics::kMinFillingHeight * kMillimetre.toDisplay);
    }
    if (ht > di) {
        Tell(messages::EntryLimitMessage(EntryQuantity::Ht, EntrySide::High));
        ht = di;
        Show(Field::Ht, di * kMillimetre.toDisplay);
    }
    m_doc.ht = ht;
    m_partialGiven = PartialQuantity::Ht;
    ApplyPartialFilling(hydraulics::PartialFillingFrom(PartialQuantity::Ht, ht, m_doc.Di, m_doc.Q, m_doc.v),
                        PartialQuantity::Ht);
}

// --- "Berechnen" ---

bool FormReplay::Validate() {
    if (!hydraulics::Computes(m_doc.sought))
        return false;
    const std::optional<hydraulics::FailedCheck> failed =
        hydraulics::FirstFailedCheck(m_doc.sought, {m_doc.v, m_doc.Di, m_doc.I, m_doc.g, m_doc.k, m_doc.Re});
    if (failed)
        Tell(messages::InputCheckMessage(*failed));
    return !failed;
}

bool FormReplay::ReportBreach(const hydraulics::CalculationStatus& status) {
    if (!status.outOfLimits)
        return false;
    Tell(messages::LimitBreachMessage(*status.outOfLimits));
    return true;
}

bool FormReplay::HoldsFiniteValues() const {
    const ReplayRecord& d = m_doc;
    for (double x : {d.surfaceWidth, d.vt, d.ht, d.Qt, d.Re, d.k, d.Di, d.g, d.v, d.ny, d.Q, d.I, d.rho, d.T,
                     d.lambda}) {
        if (!std::isfinite(x))
            return false;
    }
    return true;
}

bool FormReplay::Accept() {
    if (!HoldsFiniteValues())
        return false;
    m_doc.calculated = true;
    return true;
}

void FormReplay::OnBerechnen() {
    const bool partialFilling = !m_doc.fullFilling;
    if (partialFilling && m_doc.sought != SOUGHT_DI)
        CompletePartialFilling(false);
    if (!Validate())
        return;
    bool accepted = false;
    switch (m_doc.sought) {
        case SOUGHT_J:
            accepted = SolveSlope();
            break;
        case SOUGHT_VQ:
            accepted = SolveVelocityAndFlow();
            break;
        case SOUGHT_K:
            accepted = SolveRoughness();
            break;
        case SOUGHT_DI:
            accepted = SolveDiameter();
            break;
        default:
            break;
    }
    if (accepted && partialFilling)
        CompletePartialFilling(true);
}

bool FormReplay::SolveSlope() {
    const hydraulics::SlopeInputs in{m_doc.Di, m_doc.k, m_doc.Re, m_doc.v, m_doc.g};
    const hydraulics::SlopeResult result = hydraulics::SolveSlope(in);
    Show(Field::Re, in.Re);
    if (result.iteration.ReachedStepLimit()) {
        Tell(messages::NonConvergenceMessage(hydraulics::TruncateToInt(in.Re), in.k, in.di,
                                             result.iteration.steps));
    }
    Show(Field::Lambda, result.iteration.lambda);
    m_doc.lambda = FiniteOrNone(result.iteration.lambda);
    Show(Field::J, result.I * kMetrePerKilometre.toDisplay);
    m_doc.I = FiniteOrNone(result.I);
    if (ReportBreach(result.status))
        return false;
    return Accept();
}

bool FormReplay::SolveVelocityAndFlow() {
    const hydraulics::VelocityAndFlowResult result =
        hydraulics::SolveVelocityAndFlow({m_doc.Di, m_doc.k, m_doc.I, m_doc.g, m_doc.ny});
    Show(Field::Lambda, result.lambda);
    m_doc.lambda = FiniteOrNone(result.lambda);
    if (ReportBreach(result.status))
        return false;
    Show(Field::V, result.v);
    m_doc.v = result.v;
    if (result.hasFlow) {
        m_doc.Q = FiniteOrNone(result.Q);
        ShowFlow(result.Q);
        if (result.hasReynolds) {
            m_doc.Re = FiniteOrNone(result.Re);
            Show(Field::Re, result.Re);
        }
    }
    return Accept();
}

bool FormReplay::SolveRoughness() {
    const hydraulics::RoughnessResult result =
        hydraulics::SolveRoughness({m_doc.Di, m_doc.I, m_doc.g, m_doc.v, m_doc.Re});
    Show(Field::Lambda, result.lambda);
    m_doc.lambda = FiniteOrNone(result.lambda);
    if (ReportBreach(result.status))
        return false;
    Show(Field::K, result.k * kMillimetre.toDisplay);
    m_doc.k = result.k;
    return Accept();
}

bool FormReplay::SolveDiameter() {
    const hydraulics::DiameterInputs in{m_doc.ny, m_doc.Re, m_doc.lambda, m_doc.I, m_doc.Q, m_doc.v, m_doc.g};
    const hydraulics::DiameterResult result = hydraulics::SolveDiameter(in);
    if (result.rule == hydraulics::DiameterRule::NotEnoughValues) {
        Tell(messages::Text(messages::MessageId::DiameterNotEnoughValues));
        return false;
    }
    if (ReportBreach(result.status))
        return false;
    Show(Field::Di, result.di * kMillimetre.toDisplay);
    m_doc.Di = result.di;
    Show(Field::QLs, in.Q * kLitrePerSecond.toDisplay);
    m_doc.Q = in.Q;
    Show(Field::QM3h, in.Q * kCubicMetrePerHour.toDisplay);
    Show(Field::V, in.v);
    m_doc.v = in.v;
    Show(Field::Lambda, in.lambda);
    m_doc.lambda = in.lambda;
    Show(Field::Re, in.Re);
    m_doc.Re = in.Re;
    return Accept();
}

}  // namespace batch
