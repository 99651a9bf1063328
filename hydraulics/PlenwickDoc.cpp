#include "hydraulics/PlenwickDoc.h"

#include <string>

#include "hydraulics/Formulas.h"
#include "hydraulics/ProgramName.h"
#include "platform/Number.h"
#include "platform/Prompt.h"

namespace {

constexpr double kMinVelocity = 0.0001;     // m/s
constexpr double kMinDiameter = 0.0001;     // m
constexpr double kMinSlope = 0.0001;        // m/m
constexpr double kMinGravity = 0.1;         // m/s²
constexpr double kMaxGravity = 100;         // m/s²
constexpr double kMinRoughness = 0.000001;  // m
constexpr double kMinReynolds = 0.0001;

bool Reject(const std::string& message) {
    platform::ShowMessage(message);
    return false;
}

}  // namespace

bool CPlenwickDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return false;
    m_surfaceWidth = m_vt = m_ht = m_Qt = 0;
    m_Re = m_k = m_Di = m_g = m_v = m_ny = m_Q = m_I = m_rho = m_T = m_lambda = 0;
    SetCalculated(false);
    SetTitle(platform::Format("%s %s", hydraulics::kProgramName, hydraulics::kVersionText));
    return true;
}

void CPlenwickDoc::Serialize(bool /*storing*/) {}

// Comparisons are written so that NaN fails every check.
bool CPlenwickDoc::Passes(Check check) const {
    switch (check) {
        case Check::V:
            return m_v >= kMinVelocity ||
                   Reject(platform::Format("Der Wert für v ist mit <%5.3f> ungültig", m_v));
        case Check::Di:
            return m_Di >= kMinDiameter ||
                   Reject(platform::Format("Der Wert für Di ist mit <%5.3f> ungültig", m_Di));
        case Check::I:
            return m_I >= kMinSlope ||
                   Reject(platform::Format("Der Wert für I ist mit <%5.3f> ungültig", m_I));
        case Check::G:
            return (m_g >= kMinGravity && m_g <= kMaxGravity) ||
                   Reject(platform::Format("Der Wert für g ist mit <%f> ungültig", m_g));
        case Check::K:
            return m_k >= kMinRoughness ||
                   Reject(platform::Format("Der Wert für k ist mit <%f> ungültig", m_k));
        case Check::Re:
            return m_Re >= kMinReynolds ||
                   Reject(platform::Format("Der Wert für Re ist mit <%5.3f> ungültig", m_Re));
    }
    return false;
}

bool CPlenwickDoc::PassesAll(std::initializer_list<Check> checks) const {
    for (Check check : checks) {
        if (!Passes(check))
            return false;
    }
    return true;
}

bool CPlenwickDoc::Validate() const {
    switch (m_sought) {
        case SOUGHT_J:
            return PassesAll({Check::V, Check::Di, Check::G, Check::K, Check::Re});
        case SOUGHT_VQ:
            return PassesAll({Check::Di, Check::G, Check::K, Check::I});
        case SOUGHT_K:
            return PassesAll({Check::Di, Check::G, Check::I, Check::V});
        case SOUGHT_DI:
            return true;
        default:  // SOUGHT_Q and values outside the enumeration compute nothing
            return false;
    }
}

void CPlenwickDoc::SetK(double k) {
    StoreInput(m_k, k);
}

void CPlenwickDoc::SetDi(double di) {
    StoreInput(m_Di, di);
}

void CPlenwickDoc::SetFullFilling(bool fullFilling) {
    m_fullFilling = fullFilling;
}

void CPlenwickDoc::SetRho(double rho) {
    m_rho = rho;
    if (rho != 0)
        m_ny = hydraulics::ViscosityFromTemperature(m_T, rho);
    m_calculated = false;
}

void CPlenwickDoc::SetT(double T) {
    m_T = T;
    if (m_rho != 0)
        m_ny = hydraulics::ViscosityFromTemperature(T, m_rho);
    m_calculated = false;
}
