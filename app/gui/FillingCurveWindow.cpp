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

#include "messages/CurveTexts.h"
#include "messages/MessageTexts.h"
#include "messages/WindowTexts.h"
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
    : QWidget(parent, Qt::Window), m_record(record) {
    setObjectName(QStringLiteral("fillingCurveWindow"));
    setWindowTitle(Text(messages::Text(messages::CurveText::Title)));
    BuildChart();

    m_heading = new QLabel;
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_pointTable = new QTableWidget(0, 4);
    m_pointTable->setObjectName(QStringLiteral("operatingPointTable"));
    m_pointTable->setHorizontalHeaderLabels({QString(),
                                             Text(messages::Text(messages::CurveText::FittedColumn)),
                                             Text(messages::Text(messages::CurveText::ExactColumn)),
                                             Text(messages::Text(messages::CurveText::DeviationColumn))});
    m_pointTable->verticalHeader()->hide();
    m_pointTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pointTable->setSelectionMode(QAbstractItemView::NoSelection);
    m_pointTable->setFocusPolicy(Qt::NoFocus);
    m_pointTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_pointTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pointTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_note = new QLabel;
    m_note->setWordWrap(true);

    auto* save = new QPushButton(Text(messages::Text(messages::WindowText::Save)));
    save->setObjectName(QStringLiteral("saveChart"));
    connect(save, &QPushButton::clicked, this, [this] { AskAndSave(); });
    auto* copy = new QPushButton(Text(messages::Text(messages::WindowText::CopyTable)));
    copy->setObjectName(QStringLiteral("copyTable"));
    connect(copy, &QPushButton::clicked, this, [this] { CopyTable(); });
    auto* close = new QPushButton(Text(messages::Text(messages::WindowText::Close)));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* side = new QVBoxLayout;
    side->addWidget(m_heading);
    side->addWidget(m_pointTable);
    side->addWidget(m_note);
    side->addStretch(1);
    side->addWidget(save);
    side->addWidget(copy);
    side->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_chartView, 1);
    layout->addLayout(side);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);  // Enter presses it
    Refresh();
    // The notes wrap within the table's width; the chart keeps room for its eleven h/d labels.
    m_note->setMaximumWidth(std::max(m_pointTable->sizeHint().width(), save->sizeHint().width()));
    m_chartView->setMinimumWidth(600);
    resize(qtbackend::FittingScreen(*this, layout->sizeHint().expandedTo(QSize(960, 580))));
}

void FillingCurveWindow::BuildChart() {
    m_chart = new QChart;
    m_chart->setLocalizeNumbers(true);
    m_chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    QFont title = m_chart->titleFont();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.15);
    m_chart->setTitleFont(title);
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);  // lines show their dashes
    m_chart->setBackgroundRoundness(0);

    m_fittedFlow = Curve(messages::Text(messages::CurveText::FittedFlow), kFlowColour, Qt::DashLine);
    m_exactFlow = Curve(messages::Text(messages::CurveText::ExactFlow), kFlowColour, Qt::SolidLine);
    m_fittedVelocity =
        Curve(messages::Text(messages::CurveText::FittedVelocity), kVelocityColour, Qt::DashLine);
    m_exactVelocity =
        Curve(messages::Text(messages::CurveText::ExactVelocity), kVelocityColour, Qt::SolidLine);
    m_pointLine = Curve("", QColor(110, 110, 110), Qt::DotLine);
    m_fittedPoint =
        Marker(messages::Text(messages::CurveText::FittedPoint), QScatterSeries::MarkerShapeRectangle, false);
    m_exactPoint =
        Marker(messages::Text(messages::CurveText::ExactPoint), QScatterSeries::MarkerShapeCircle, true);
    m_froude = Curve(messages::Text(messages::CurveText::FroudeCurve), kFroudeColour, Qt::SolidLine);
    m_criticalLine = Curve("", kFroudeColour, Qt::DotLine);
    m_criticalPoints = Marker(messages::Text(messages::CurveText::CriticalFilling),
                              QScatterSeries::MarkerShapeTriangle, true);
    m_criticalPoints->setColor(kFroudeColour);
    m_criticalPoints->setBorderColor(kFroudeColour);

    m_fillingAxis = new QValueAxis;
    m_fillingAxis->setTitleText(Text(messages::Text(messages::CurveText::FillingAxis)));
    m_fillingAxis->setRange(0, 1);
    m_fillingAxis->setTickCount(11);
    m_fillingAxis->setMinorTickCount(1);
    m_fillingAxis->setLabelFormat(QStringLiteral("%.1f"));
    m_ratioAxis = new QValueAxis;
    m_ratioAxis->setTitleText(Text(messages::Text(messages::CurveText::RatioAxis)));
    m_ratioAxis->setLabelFormat(QStringLiteral("%.1f"));
    m_ratioAxis->setMinorTickCount(1);
    m_chart->addAxis(m_fillingAxis, Qt::AlignBottom);
    m_chart->addAxis(m_ratioAxis, Qt::AlignLeft);
    m_froudeAxis = new QValueAxis;
    m_froudeAxis->setTitleText(Text(messages::Text(messages::CurveText::FroudeAxis)));
    m_froudeAxis->setLabelFormat(QStringLiteral("%.1f"));
    m_froudeAxis->setGridLineVisible(false);
    m_chart->addAxis(m_froudeAxis, Qt::AlignRight);
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{m_pointLine, m_fittedFlow, m_exactFlow, m_fittedVelocity,
                                           m_exactVelocity, m_fittedPoint, m_exactPoint}) {
        m_chart->addSeries(series);
        series->attachAxis(m_fillingAxis);
        series->attachAxis(m_ratioAxis);
    }
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{m_criticalLine, m_froude, m_criticalPoints}) {
        m_chart->addSeries(series);
        series->attachAxis(m_fillingAxis);
        series->attachAxis(m_froudeAxis);
    }
    m_chart->legend()->markers(m_pointLine).first()->setVisible(false);
    m_chart->legend()->markers(m_criticalLine).first()->setVisible(false);

    m_chartView = new QChartView(m_chart);
    m_chartView->setObjectName(QStringLiteral("fillingChart"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumSize(560, 420);
}

void FillingCurveWindow::Refresh() {
    m_curves = ComputeFillingCurves(m_record);
    m_chart->setTitle(Text(messages::Text(messages::CurveText::ChartTitle)).toHtmlEscaped() +
                      QStringLiteral("<br>") + Text(FillingCurvesConditions(m_curves)).toHtmlEscaped());
    using hydraulics::FillingRatios;
    m_fittedFlow->replace(Along(m_curves, false, &FillingRatios::flow));
    m_fittedVelocity->replace(Along(m_curves, false, &FillingRatios::velocity));
    m_exactFlow->replace(Along(m_curves, true, &FillingRatios::flow));
    m_exactVelocity->replace(Along(m_curves, true, &FillingRatios::velocity));
    const double top = std::max(kLowestRatioTop, std::ceil(HighestRatio(m_curves) * 10) / 10);
    m_ratioAxis->setRange(0, top);
    m_ratioAxis->setTickCount(static_cast<int>(std::lround(top * 10)) + 1);
    m_froude->replace(FroudeAlong(m_curves));
    const double froudeTop = std::max(kLowestFroudeTop, std::ceil(HighestFroude(m_curves) * 2) / 2);
    m_froudeAxis->setRange(0, froudeTop);
    m_froudeAxis->setTickCount(static_cast<int>(std::lround(froudeTop * 2)) + 1);
    m_criticalLine->replace(m_curves.HasExact() ? QList<QPointF>{{0, 1}, {1, 1}} : QList<QPointF>{});
    m_criticalPoints->clear();
    for (double filling : m_curves.criticalFillings) m_criticalPoints->append(filling, 1);
    ShowOperatingPoint();
}

// Marked where it lies inside the section; its values are in the table whatever ht/di is.
void FillingCurveWindow::ShowOperatingPoint() {
    m_pointLine->clear();
    m_fittedPoint->clear();
    m_exactPoint->clear();
    if (m_curves.operatingPoint && m_curves.operatingPoint->filling <= 1) {
        const FillingCurvePoint& point = *m_curves.operatingPoint;
        m_pointLine->append({{point.filling, 0}, {point.filling, m_ratioAxis->max()}});
        m_fittedPoint->append({{point.filling, point.fitted.flow}, {point.filling, point.fitted.velocity}});
        if (point.exact)
            m_exactPoint->append(
                {{point.filling, point.exact->flow}, {point.filling, point.exact->velocity}});
    }

    m_heading->setText(m_curves.operatingPoint ? Text(OperatingPointHeading(m_curves))
                                               : Text(messages::Text(messages::CurveText::NoOperatingPoint)));
    const std::vector<OperatingPointRow> rows = OperatingPointRows(m_curves);
    m_pointTable->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const OperatingPointRow& row = rows[static_cast<size_t>(r)];
        const std::string* cells[] = {&row.quantity, &row.fitted, &row.exact, &row.deviation};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(Text(*cells[c]));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            m_pointTable->setItem(r, c, item);
        }
    }
    m_pointTable->setVisible(!rows.empty());
    m_pointTable->resizeColumnsToContents();
    const std::string sources = m_curves.operatingPoint ? OperatingPointSources() + "\n" : std::string();
    const std::string critical = CriticalFillingNote(m_curves);
    m_note->setText(Text(sources + ExactCurvesNote(m_curves) + (critical.empty() ? "" : "\n" + critical)));
}

bool FillingCurveWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Refresh();
    return QWidget::event(event);
}

bool FillingCurveWindow::SaveChart(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    // As shown: the plot in the size of its view.
    const QRect source = m_chartView->viewport()->rect();
    const QSize size = source.size();
    if (suffix == QLatin1String("png")) {
        const qreal ratio = std::max<qreal>(2, devicePixelRatioF());
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        m_chartView->render(&painter, QRectF(QPointF(0, 0), size), source);
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
        m_chartView->render(&painter, QRectF(QPointF(0, 0), size), source);
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
        m_chartView->render(&painter, QRectF(centred, target), source);
        return painter.end();
    }
    return false;
}

void FillingCurveWindow::AskAndSave() {
    const QString png = Text(messages::Text(messages::WindowText::PngFilter));
    const QString svg = Text(messages::Text(messages::WindowText::SvgFilter));
    const QString pdf = Text(messages::Text(messages::WindowText::PdfFilter));
    QString filter = png;
    QString path =
        QFileDialog::getSaveFileName(this, Text(messages::Text(messages::WindowText::SaveCurveCaption)),
                                     Text(messages::Text(messages::WindowText::CurveFileName)),
                                     png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf, &filter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") && suffix != QLatin1String("pdf"))
        path += filter == svg   ? QStringLiteral(".svg")
                : filter == pdf ? QStringLiteral(".pdf")
                                : QStringLiteral(".png");
    if (!SaveChart(path)) {
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotSaved, path.toStdString()),
                              platform::MessageIcon::Exclamation);
    }
}

void FillingCurveWindow::CopyTable() const {
    QGuiApplication::clipboard()->setText(Text(FillingCurveTable(m_curves)));
}

void FillingCurveWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
