// The three small modal dialogs that ask which quantity to adapt (or to set to zero) when an entry
// over-determines v, di, ν, Re or A, Q, v. Each exists only while it is shown.
#pragma once

#include <utility>

#include "platform/Prompt.h"

// A dialog of the caption "Parameteranpassung" with a static text and choice buttons. A choice button
// ends it with its code; the close box and the Escape key end it with CANCELLED, which no button has:
// the entry that raised the question is cancelled.
class CAdjustDialog {
  public:
    static constexpr int CANCELLED = 0;

    virtual ~CAdjustDialog() = default;
    CAdjustDialog(const CAdjustDialog&) = delete;
    CAdjustDialog& operator=(const CAdjustDialog&) = delete;

    // Shows the dialog modally through the prompt and returns the code it ended with.
    int DoModal(platform::Prompt& prompt = platform::InstalledPrompt()) const {
        return prompt.RunDialog(m_template);
    }
    const platform::DialogTemplate& Template() const { return m_template; }

  protected:
    explicit CAdjustDialog(platform::DialogTemplate dialog) : m_template(std::move(dialog)) {}

  private:
    platform::DialogTemplate m_template;
};

// Re = f(v, di, ny): which of di, ν or v follows a new Reynolds number.
class CAdjustReDlg : public CAdjustDialog {
  public:
    enum Choice { ADAPT_DI = 1, ADAPT_NY = 2, ADAPT_V = 3 };
    CAdjustReDlg();
};

// A = f(Q, v): which of Q or v follows a new area (di follows anyway).
class CAdjustAreaDlg : public CAdjustDialog {
  public:
    enum Choice { ADAPT_Q = 1, ADAPT_V = 2 };
    CAdjustAreaDlg();
};

// With di sought, Q and v alone give di: which of them is set to zero so that the last entry counts.
class CZeroQvDlg : public CAdjustDialog {
  public:
    enum Choice { ZERO_Q = 1, ZERO_V = 2 };
    CZeroQvDlg();
};
