// The window "Bemessungstabelle": design values and criteria typed in, the sizing table of the form's
// current class with the recommendation highlighted, and the table taken into the form, copied, saved
// as CSV, printed or previewed. Modal-less; it computes the table again whenever it is activated, so
// it always shows the form's current class, fluid data and roughness.
#pragma once

#include <QWidget>
#include <optional>

#include "sizing/SizingTable.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QuellrixApp;

namespace qtbackend {
class QtPrinterService;
}

class SizingWindow : public QWidget {
  public:
    SizingWindow(QuellrixApp& app, qtbackend::QtPrinterService& printer, QWidget* mainWindow);

    // Takes the form's design values into the fields and computes the table.
    void Prefill();
    // selectRecommendation: the selection goes, so that the recommendation is what is taken (the design
    // values changed); otherwise the selected row stays.
    void Recompute(bool selectRecommendation = false);
    // Takes the selected row (none selected: the recommended one) into the form; false when there is
    // none or it cannot be taken.
    bool TakeSelectedRow();

    const std::optional<sizing::Table>& Table() const { return m_table; }
    QTableWidget* Grid() const { return m_grid; }
    QLineEdit* Field(const char* name) const;

  protected:
    bool event(QEvent* event) override;
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    sizing::Design TypedDesign() const;
    void Fill(bool selectRecommendation);
    void CopyTable();
    void SaveCsv();
    void PrintTable(bool preview);

    QuellrixApp& m_app;
    qtbackend::QtPrinterService& m_printer;
    QWidget* m_mainWindow;
    QLineEdit* m_q;
    QLineEdit* m_j;
    QLineEdit* m_vMin;
    QLineEdit* m_vMax;
    QLineEdit* m_hdMax;
    QLineEdit* m_length;
    QLineEdit* m_lossSum;
    QLineEdit* m_tauMin;
    QLineEdit* m_hvMax;
    QLabel* m_summary;
    QTableWidget* m_grid;
    QPushButton* m_takeOver;
    std::optional<sizing::Table> m_table;
};
