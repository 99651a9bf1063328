// The calculation record: the one document of the program. Every quantity is stored in SI units;
// a value of 0 means the quantity is not given. Its checks are the engine's; it shows their messages.
#pragma once

#include "hydraulics/SoughtParameter.h"
#include "platform/Document.h"
#include "platform/Prompt.h"
#include "record/ProjectHeader.h"

#include <utility>

class CPlenwickDoc : public platform::CDocument {
  public:
    CPlenwickDoc() = default;

    // Every number back to 0, not calculated, title "Quellrix V 1.0".
    bool OnNewDocument() override;
    // The framework's storing step does nothing: calculation files hold the whole form
    // (document/CalculationFile).
    void Serialize(bool storing) override;

    // Checks the inputs the sought parameter needs; shows the first failing check and returns false.
    virtual bool Validate(platform::Prompt& prompt = platform::InstalledPrompt()) const;
    virtual void SetK(double k);
    virtual void SetDi(double di);
    virtual void SetFullFilling(bool fullFilling);

    // Partial-filling values: setting them keeps the result valid.
    double GetSurfaceWidth() const { return m_surfaceWidth; }
    void SetSurfaceWidth(double surfaceWidth) { m_surfaceWidth = surfaceWidth; }
    double GetVt() const { return m_vt; }
    void SetVt(double vt) { m_vt = vt; }
    double GetHt() const { return m_ht; }
    void SetHt(double ht) { m_ht = ht; }
    double GetQt() const { return m_Qt; }
    void SetQt(double Qt) { m_Qt = Qt; }

    // The pressure line the pipe belongs to: its length L [m] and the sum Σζ of its fittings' loss
    // coefficients; 0 is not given. They only add the line's head loss and keep the result valid.
    double GetLineLength() const { return m_lineLength; }
    void SetLineLength(double L) { m_lineLength = L; }
    double GetLossSum() const { return m_lossSum; }
    void SetLossSum(double sumZeta) { m_lossSum = sumZeta; }

    // Inputs and results of the full-filling calculation: setting any of them invalidates the result.
    double GetRe() const { return m_Re; }
    void SetRe(double Re) { StoreInput(m_Re, Re); }
    double GetK() const { return m_k; }
    double GetDi() const { return m_Di; }
    double GetG() const { return m_g; }
    void SetG(double g) { StoreInput(m_g, g); }
    double GetV() const { return m_v; }
    void SetV(double v) { StoreInput(m_v, v); }
    double GetNy() const { return m_ny; }
    void SetNy(double ny) { StoreInput(m_ny, ny); }
    double GetQ() const { return m_Q; }
    void SetQ(double Q) { StoreInput(m_Q, Q); }
    double GetI() const { return m_I; }
    void SetI(double I) { StoreInput(m_I, I); }
    // Density and temperature also derive the viscosity, unless the density is 0.
    double GetRho() const { return m_rho; }
    void SetRho(double rho);
    double GetT() const { return m_T; }
    void SetT(double T);
    double GetLambda() const { return m_lambda; }
    void SetLambda(double lambda) { StoreInput(m_lambda, lambda); }

    // A SoughtParameter value (any other value computes nothing).
    int GetSought() const { return m_sought; }
    void SetSought(int sought) { m_sought = sought; }
    bool IsFullFilling() const { return m_fullFilling; }
    // False when any quantity of the record is not finite.
    bool HoldsFiniteValues() const;
    // True only while the record holds the result of a successful calculation.
    bool IsCalculated() const { return m_calculated; }
    void SetCalculated(bool calculated) { m_calculated = calculated; }

    // The project header; it never touches the result.
    const ProjectHeader& GetProjectHeader() const { return m_projectHeader; }
    void SetProjectHeader(ProjectHeader header) { m_projectHeader = std::move(header); }

  private:
    void StoreInput(double& member, double value) {
        member = value;
        m_calculated = false;
    }

    double m_surfaceWidth = 0;  // m
    double m_vt = 0;            // m/s
    double m_ht = 0;            // m
    double m_Qt = 0;            // m³/s
    bool m_calculated = false;
    double m_Re = 0;
    double m_k = 0;    // m
    double m_Di = 0;   // m
    double m_g = 0;    // m/s²
    double m_v = 0;    // m/s
    double m_ny = 0;   // m²/s
    double m_Q = 0;    // m³/s
    double m_I = 0;    // m/m
    double m_rho = 0;  // kg/m³
    double m_T = 0;    // °C
    double m_lambda = 0;
    double m_lineLength = 0;  // m
    double m_lossSum = 0;
    int m_sought = SOUGHT_J;
    bool m_fullFilling = true;  // the form selects the filling mode on its first showing
    ProjectHeader m_projectHeader;
};
