#include "app/gui/FillingCurveWindow.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "platform/Prompt.h"
#include "platform/qt/ScreenFit.h"

namespace {

const QColor kFlowColour(31, 95, 191);
const QColor kVelocityColour(192, 57, 43);
const QColor kFroudeColour(39, 130, 67);
constexpr double kLowestRatioTop = 1.2;
constexpr double kLowestFroudeTop = 1.5;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLineSeries* Curve(const char* name, const QColor& colour, Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(QString::fromUtf8(name));
    QPen pen(colour, 2.2, style);
    series->setPen(pen);
    return series;
}

QScatterSeries* Marker(const char* name, QScatterSeries::MarkerShape shape, bool filled) {
    auto* series = new QScatterSeries;
    series->setName(QString::fromUtf8(name));
    series->setMarkerShape(shape);
    series->setMarkerSize(11);
    series->setColor(filled ? QColor(40, 40, 40) : QColor(255, 255, 255));
    series->setBorderColor(QColor(40, 40, 40));
    return series;
}

// The series of one ratio along the filling steps; a curve without exact values stays empty.
QList<QPointF> Along(const FillingCurves& curves, bool exact, double hydraulics::FillingRatios::*ratio) {
    QList<QPointF> points;
    for (const FillingCurvePoint& point : curves.points) {
        if (!exact)
            points.append({point.filling, point.fitted.*ratio});
        else if (point.exact)
            points.append({point.filling, (*point.exact).*ratio});
    }
    return points;
}

QList<QPointF> FroudeAlong(const FillingCurves& curves) {
    QList<QPointF> points;
    for (const FillingCurvePoint& point : curves.points) {
        if (point.froude)
            points.append({point.filling, *point.froude});
    }
    return points;
}

double HighestFroude(const FillingCurves& curves) {
    double highest = 0;
    for (const FillingCurvePoint& point : curves.points)
        highest = std::max(highest, point.froude.value_or(0));
    return highest;
}

double HighestRatio(const FillingCurves& curves) {
    double highest = 0;
    for (const FillingCurvePoint& point : curves.points) {
        highest = std::max({highest, point.fitted.flow, point.fitted.velocity});
        if (point.exact)
            highest = std::max({highest, point.exact->flow, point.exact->velocity});
    }
    return highest;
}

}  // namespace

FillingCurveWindow::FillingCurveWindow(const CPlenwickDoc& record, QWidget* parent)
    : QWidget(parent, Qt::Window), record_(record) {
    setObjectName(QStringLiteral("fillingCurveWindow"));
    setWindowTitle(QStringLiteral("Teilfüllungskurve"));
    BuildChart();

    heading_ = new QLabel;
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    pointTable_ = new QTableWidget(0, 4);
    pointTable_->setObjectName(QStringLiteral("operatingPointTable"));
    pointTable_->setHorizontalHeaderLabels({QString(), QStringLiteral("angepasst"), QStringLiteral("exakt"),
                                            QStringLiteral("Abweichung")});
    pointTable_->verticalHeader()->hide();
    pointTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pointTable_->setSelectionMode(QAbstractItemView::NoSelection);
    pointTable_->setFocusPolicy(Qt::NoFocus);
    pointTable_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    pointTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pointTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note_ = new QLabel;
    note_->setWordWrap(true);

    auto* save = new QPushButton(QStringLiteral("&Speichern..."));
    save->setObjectName(QStringLiteral("saveChart"));
    connect(save, &QPushButton::clicked, this, [this] { AskAndSave(); });
    auto* copy = new QPushButton(QStringLiteral("Tabelle &kopieren"));
    copy->setObjectName(QStringLiteral("copyTable"));
    connect(copy, &QPushButton::clicked, this, [this] { CopyTable(); });
    auto* close = new QPushButton(QStringLiteral("Schl&ießen"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* side = new QVBoxLayout;
    side->addWidget(heading_);
    side->addWidget(pointTable_);
    side->addWidget(note_);
    side->addStretch(1);
    side->addWidget(save);
    side->addWidget(copy);
    side->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(chartView_, 1);
    layout->addLayout(side);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);  // Enter presses it
    Refresh();
    resize(qtbackend::FittingScreen(*this, layout->sizeHint().expandedTo(QSize(960, 580))));
}

void FillingCurveWindow::BuildChart() {
    chart_ = new QChart;
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    QFont title = chart_->titleFont();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.15);
    chart_->setTitleFont(title);
    chart_->legend()->setAlignment(Qt::AlignRight);
    chart_->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);  // lines show their dashes
    chart_->setBackgroundRoundness(0);

    fittedFlow_ = Curve("Qt/Q angepasst", kFlowColour, Qt::DashLine);
    exactFlow_ = Curve("Qt/Q exakt", kFlowColour, Qt::SolidLine);
    fittedVelocity_ = Curve("vt/v angepasst", kVelocityColour, Qt::DashLine);
    exactVelocity_ = Curve("vt/v exakt", kVelocityColour, Qt::SolidLine);
    pointLine_ = Curve("", QColor(110, 110, 110), Qt::DotLine);
    fittedPoint_ = Marker("Betriebspunkt angepasst", QScatterSeries::MarkerShapeRectangle, false);
    exactPoint_ = Marker("Betriebspunkt exakt", QScatterSeries::MarkerShapeCircle, true);
    froude_ = Curve("Fr exakt (rechte Achse)", kFroudeColour, Qt::SolidLine);
    criticalLine_ = Curve("", kFroudeColour, Qt::DotLine);
    criticalPoints_ = Marker("kritische Füllung Fr = 1", QScatterSeries::MarkerShapeTriangle, true);
    criticalPoints_->setColor(kFroudeColour);
    criticalPoints_->setBorderColor(kFroudeColour);

    fillingAxis_ = new QValueAxis;
    fillingAxis_->setTitleText(QStringLiteral("Füllungsgrad h/d [–]"));
    fillingAxis_->setRange(0, 1);
    fillingAxis_->setTickCount(11);
    fillingAxis_->setMinorTickCount(1);
    fillingAxis_->setLabelFormat(QStringLiteral("%.1f"));
    ratioAxis_ = new QValueAxis;
    ratioAxis_->setTitleText(QStringLiteral("Verhältnis zur Vollfüllung Qt/Q, vt/v [–]"));
    ratioAxis_->setLabelFormat(QStringLiteral("%.1f"));
    ratioAxis_->setMinorTickCount(1);
    chart_->addAxis(fillingAxis_, Qt::AlignBottom);
    chart_->addAxis(ratioAxis_, Qt::AlignLeft);
    froudeAxis_ = new QValueAxis;
    froudeAxis_->setTitleText(QStringLiteral("Froude-Zahl Fr [–]"));
    froudeAxis_->setLabelFormat(QStringLiteral("%.1f"));
    froudeAxis_->setGridLineVisible(false);
    chart_->addAxis(froudeAxis_, Qt::AlignRight);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{pointLine_, fittedFlow_, exactFlow_, fittedVelocity_,
                                                                exactVelocity_, fittedPoint_, exactPoint_}) {
        chart_->addSeries(series);
        series->attachAxis(fillingAxis_);
        series->attachAxis(ratioAxis_);
    }
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{criticalLine_, froude_, criticalPoints_}) {
        chart_->addSeries(series);
        series->attachAxis(fillingAxis_);
        series->attachAxis(froudeAxis_);
    }
    chart_->legend()->markers(pointLine_).first()->setVisible(false);
    chart_->legend()->markers(criticalLine_).first()->setVisible(false);

    chartView_ = new QChartView(chart_);
    chartView_->setObjectName(QStringLiteral("fillingChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(560, 420);
}

void FillingCurveWindow::Refresh() {
    curves_ = ComputeFillingCurves(record_);
    chart_->setTitle(QStringLiteral("Teilfüllung im Kreisquerschnitt<br>") +
                     Text(FillingCurvesConditions(curves_)).toHtmlEscaped());
    using hydraulics::FillingRatios;
    fittedFlow_->replace(Along(curves_, false, &FillingRatios::flow));
    fittedVelocity_->replace(Along(curves_, false, &FillingRatios::velocity));
    exactFlow_->replace(Along(curves_, true, &FillingRatios::flow));
    exactVelocity_->replace(Along(curves_, true, &FillingRatios::velocity));
    const double top = std::max(kLowestRatioTop, std::ceil(HighestRatio(curves_) * 10) / 10);
    ratioAxis_->setRange(0, top);
    ratioAxis_->setTickCount(static_cast<int>(std::lround(top * 10)) + 1);
    froude_->replace(FroudeAlong(curves_));
    const double froudeTop = std::max(kLowestFroudeTop, std::ceil(HighestFroude(curves_) * 2) / 2);
    froudeAxis_->setRange(0, froudeTop);
    froudeAxis_->setTickCount(static_cast<int>(std::lround(froudeTop * 2)) + 1);
    criticalLine_->replace(curves_.HasExact() ? QList<QPointF>{{0, 1}, {1, 1}} : QList<QPointF>{});
    criticalPoints_->clear();
    for (double filling : curves_.criticalFillings) criticalPoints_->append(filling, 1);
    ShowOperatingPoint();
}

// Marked where it lies inside the section; its values are in the table whatever ht/di is.
void FillingCurveWindow::ShowOperatingPoint() {
    pointLine_->clear();
    fittedPoint_->clear();
    exactPoint_->clear();
    if (curves_.operatingPoint && curves_.operatingPoint->filling <= 1) {
        const FillingCurvePoint& point = *curves_.operatingPoint;
        pointLine_->append({{point.filling, 0}, {point.filling, ratioAxis_->max()}});
        fittedPoint_->append({{point.filling, point.fitted.flow}, {point.filling, point.fitted.velocity}});
        if (point.exact)
            exactPoint_->append({{point.filling, point.exact->flow}, {point.filling, point.exact->velocity}});
    }

    heading_->setText(curves_.operatingPoint ? Text(OperatingPointHeading(curves_))
                                             : QStringLiteral("Kein Betriebspunkt: ht ist nicht gegeben."));
    const std::vector<OperatingPointRow> rows = OperatingPointRows(curves_);
    pointTable_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const OperatingPointRow& row = rows[static_cast<size_t>(r)];
        const std::string* cells[] = {&row.quantity, &row.fitted, &row.exact, &row.deviation};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(Text(*cells[c]));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            pointTable_->setItem(r, c, item);
        }
    }
    pointTable_->setVisible(!rows.empty());
    pointTable_->resizeColumnsToContents();
    const std::string sources = curves_.operatingPoint ? OperatingPointSources() + "\n" : std::string();
    const std::string critical = CriticalFillingNote(curves_);
    note_->setText(Text(sources + ExactCurvesNote(curves_) + (critical.empty() ? "" : "\n" + critical)));
}

bool FillingCurveWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Refresh();
    return QWidget::event(event);
}

bool FillingCurveWindow::SaveChart(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    // As shown: the plot in the size of its view.
    const QRect source = chartView_->viewport()->rect();
    const QSize size = source.size();
    if (suffix == QLatin1String("png")) {
        const qreal ratio = std::max<qreal>(2, devicePixelRatioF());
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        chartView_->render(&painter, QRectF(QPointF(0, 0), size), source);
        painter.end();
        return image.save(path, "PNG");
    }
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        chartView_->render(&painter, QRectF(QPointF(0, 0), size), source);
        return painter.end() && QFileInfo(path).size() > 0;
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        const QRectF page = painter.viewport();
        const double scale = std::min(page.width() / size.width(), page.height() / size.height());
        const QSizeF target(size.width() * scale, size.height() * scale);
        const QPointF centred((page.width() - target.width()) / 2, (page.height() - target.height()) / 2);
        chartView_->render(&painter, QRectF(centred, target), source);
        return painter.end();
    }
    return false;
}

void FillingCurveWindow::AskAndSave() {
    const QString png = QStringLiteral("PNG-Bild (*.png)");
    const QString svg = QStringLiteral("SVG-Grafik (*.svg)");
    const QString pdf = QStringLiteral("PDF-Dokument (*.pdf)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Teilfüllungskurve speichern"),
                                                QStringLiteral("Teilfuellungskurve.png"),
                                                png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf,
                                                &filter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") && suffix != QLatin1String("pdf"))
        path += filter == svg ? QStringLiteral(".svg") : filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    if (!SaveChart(path)) {
        platform::ShowMessage("Die Datei \"" + path.toStdString() + "\" kann nicht gespeichert werden.",
                              platform::MessageIcon::Exclamation);
    }
}

void FillingCurveWindow::CopyTable() const {
    QGuiApplication::clipboard()->setText(Text(FillingCurveTable(curves_)));
}

void FillingCurveWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
