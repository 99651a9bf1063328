// The window "Teilfüllungskurve": Qt/Q and vt/v over h/d by the program's fitted relations and by the
// exact relations of the circular section, plotted with Qt Charts, with the Froude number of the normal
// flow on a second axis and the fillings where it is critical marked; the record's operating point marked
// and compared in a table beside the plot. It reads the record again whenever it is opened or comes to
// the front, so it follows the form; the plot is saved as PNG, SVG or PDF, the table of values copied as
// text.
#pragma once

#include <QWidget>

#include "form/FillingCurves.h"

class CPlenwickDoc;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

class FillingCurveWindow : public QWidget {
  public:
    FillingCurveWindow(const CPlenwickDoc& record, QWidget* parent);

    // Reads the record again and redraws.
    void Refresh();
    const FillingCurves& Curves() const { return m_curves; }

    // Writes the plot as shown to the file; its suffix picks the format (png, svg, pdf). False on failure.
    bool SaveChart(const QString& path) const;
    // The table of values to the clipboard, tab-separated with decimal commas.
    void CopyTable() const;

    QChart* Chart() const { return m_chart; }
    QTableWidget* PointTable() const { return m_pointTable; }

  protected:
    bool event(QEvent* event) override;
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildChart();
    void AskAndSave();
    void ShowOperatingPoint();

    const CPlenwickDoc& m_record;
    FillingCurves m_curves;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QValueAxis* m_fillingAxis = nullptr;
    QValueAxis* m_ratioAxis = nullptr;
    QValueAxis* m_froudeAxis = nullptr;
    QLineSeries* m_froude = nullptr;
    QLineSeries* m_criticalLine = nullptr;
    QScatterSeries* m_criticalPoints = nullptr;
    QLineSeries* m_fittedFlow = nullptr;
    QLineSeries* m_fittedVelocity = nullptr;
    QLineSeries* m_exactFlow = nullptr;
    QLineSeries* m_exactVelocity = nullptr;
    QLineSeries* m_pointLine = nullptr;
    QScatterSeries* m_fittedPoint = nullptr;
    QScatterSeries* m_exactPoint = nullptr;
    QLabel* m_heading = nullptr;
    QTableWidget* m_pointTable = nullptr;
    QLabel* m_note = nullptr;
};
