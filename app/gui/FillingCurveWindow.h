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
    const FillingCurves& Curves() const { return curves_; }

    // Writes the plot as shown to the file; its suffix picks the format (png, svg, pdf). False on failure.
    bool SaveChart(const QString& path) const;
    // The table of values to the clipboard, tab-separated with decimal commas.
    void CopyTable() const;

    QChart* Chart() const { return chart_; }
    QTableWidget* PointTable() const { return pointTable_; }

  protected:
    bool event(QEvent* event) override;
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildChart();
    void AskAndSave();
    void ShowOperatingPoint();

    const CPlenwickDoc& record_;
    FillingCurves curves_;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    QValueAxis* fillingAxis_ = nullptr;
    QValueAxis* ratioAxis_ = nullptr;
    QValueAxis* froudeAxis_ = nullptr;
    QLineSeries* froude_ = nullptr;
    QLineSeries* criticalLine_ = nullptr;
    QScatterSeries* criticalPoints_ = nullptr;
    QLineSeries* fittedFlow_ = nullptr;
    QLineSeries* fittedVelocity_ = nullptr;
    QLineSeries* exactFlow_ = nullptr;
    QLineSeries* exactVelocity_ = nullptr;
    QLineSeries* pointLine_ = nullptr;
    QScatterSeries* fittedPoint_ = nullptr;
    QScatterSeries* exactPoint_ = nullptr;
    QLabel* heading_ = nullptr;
    QTableWidget* pointTable_ = nullptr;
    QLabel* note_ = nullptr;
};
