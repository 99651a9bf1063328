#include "record/PlenwickDoc.h"

#include <cmath>
#include <optional>

#include "hydraulics/Formulas.h"
#include "hydraulics/InputChecks.h"
#include "messages/MessageTexts.h"
#include "platform/Number.h"
#include "platform/Prompt.h"
#include "record/ProgramName.h"

bool CPlenwickDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return false;
    m_surfaceWidth = m_vt = m_ht = m_Qt = 0;
    m_Re = m_k = m_Di = m_g = m_v = m_ny = m_Q = m_I = m_rho = m_T = m_lambda = 0;
    m_lineLength = m_lossSum = 0;
    SetCalculated(false);
    SetTitle(platform::Format("%s %s", record::kProgramName, record::kVersionText));
    return true;
}

void CPlenwickDoc::Serialize(bool /*storing*/) {}

bool CPlenwickDoc::Validate(platform::Prompt& prompt) const {
    if (!hydraulics::Computes(m_sought))
        return false;
    const std::optional<hydraulics::FailedCheck> failed =
        hydraulics::FirstFailedCheck(m_sought, {m_v, m_Di, m_I, m_g, m_k, m_Re});
    if (failed)
        prompt.Message(messages::InputCheckMessage(*failed), platform::MessageIcon::None);
    return !failed;
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

bool CPlenwickDoc::HoldsFiniteValues() const {
    for (double x : {m_surfaceWidth, m_vt, m_ht, m_Qt, m_Re, m_k, m_Di, m_g, m_v, m_ny, m_Q, m_I, m_rho, m_T,
                     m_lambda}) {
        if (!std::isfinite(x))
            return false;
    }
    return true;
}
