#include "app/gui/SizingWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Application.h"
#include "form/PlenwickView.h"
#include "sizing/SizingTablePage.h"
#include "messages/MessageTexts.h"
#include "platform/Prompt.h"
#include "platform/qt/QtPrinterService.h"
#include "platform/qt/ScreenFit.h"

namespace {

// A number typed with decimal comma or point; absent when the field is empty or holds no number.
std::optional<double> Typed(const QLineEdit* field) {
    QString text = field->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = text.replace(u',', u'.').toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString Decimal(double x) {
    return QString::number(x, 'g', 12).replace(u'.', u',');
}

QLineEdit* NumberField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setMaximumWidth(90);
    return field;
}

}  // namespace

SizingWindow::SizingWindow(QuellrixApp& app, qtbackend::QtPrinterService& printer, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), app_(app), printer_(printer), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("sizingWindow"));
    setWindowTitle(QStringLiteral("Bemessungstabelle"));
    auto* layout = new QVBoxLayout(this);

    auto* inputs = new QHBoxLayout;
    auto* design = new QFormLayout;
    q_ = NumberField(this, "designFlow");
    j_ = NumberField(this, "designSlope");
    design->addRow(QStringLiteral("Durchfluss &Q [l/s]"), q_);
    design->addRow(QStringLiteral("&Gefälle J [m/km] (leer: Druckabfluss)"), j_);
    auto* line = new QFormLayout;
    length_ = NumberField(this, "lineLength");
    lossSum_ = NumberField(this, "lossSum");
    line->addRow(QStringLiteral("Leitungs&länge L [m]"), length_);
    line->addRow(QStringLiteral("Σζ der &Formstücke"), lossSum_);
    auto* criteria = new QFormLayout;
    vMin_ = NumberField(this, "vMin");
    vMax_ = NumberField(this, "vMax");
    hdMax_ = NumberField(this, "hdMax");
    criteria->addRow(QStringLiteral("v&min [m/s]"), vMin_);
    criteria->addRow(QStringLiteral("vma&x [m/s]"), vMax_);
    criteria->addRow(QStringLiteral("&h/d max"), hdMax_);
    auto* checks = new QFormLayout;
    tauMin_ = NumberField(this, "tauMin");
    hvMax_ = NumberField(this, "hvMax");
    checks->addRow(QStringLiteral("τmi&n [N/m²]"), tauMin_);
    checks->addRow(QStringLiteral("h&v max [m]"), hvMax_);
    inputs->addLayout(design);
    inputs->addSpacing(24);
    inputs->addLayout(line);
    inputs->addSpacing(24);
    inputs->addLayout(criteria);
    inputs->addSpacing(24);
    inputs->addLayout(checks);
    inputs->addStretch();
    layout->addLayout(inputs);
    for (QLineEdit* field : {q_, j_, length_, lossSum_, vMin_, vMax_, hdMax_, tauMin_, hvMax_})
        connect(field, &QLineEdit::textEdited, this, [this] { Recompute(true); });

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summary_);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("sizingGrid"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { TakeSelectedRow(); });
    layout->addWidget(grid_, 1);

    auto* help = new QLabel(QString::fromUtf8(sizing::CriteriaSourceText()), this);
    help->setObjectName(QStringLiteral("criteriaSource"));
    help->setWordWrap(true);
    layout->addWidget(help);

    auto* buttons = new QHBoxLayout;
    takeOver_ = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
    takeOver_->setObjectName(QStringLiteral("takeOver"));
    connect(takeOver_, &QPushButton::clicked, this, [this] { TakeSelectedRow(); });
    buttons->addWidget(takeOver_);
    buttons->addStretch();
    const std::pair<const char*, void (SizingWindow::*)()> commands[] = {
        {"&Kopieren", &SizingWindow::CopyTable},
        {"CSV &speichern...", &SizingWindow::SaveCsv},
    };
    for (const auto& [caption, slot] : commands) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    auto* print = new QPushButton(QStringLiteral("&Drucken..."), this);
    connect(print, &QPushButton::clicked, this, [this] { PrintTable(false); });
    buttons->addWidget(print);
    auto* preview = new QPushButton(QStringLiteral("Seiten&ansicht"), this);
    connect(preview, &QPushButton::clicked, this, [this] { PrintTable(true); });
    buttons->addWidget(preview);
    auto* close = new QPushButton(QStringLiteral("Schl&ießen"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);  // Enter presses it
    resize(qtbackend::FittingScreen(*this, QSize(900, 640)));
}

QLineEdit* SizingWindow::Field(const char* name) const {
    return findChild<QLineEdit*>(QString::fromUtf8(name));
}

void SizingWindow::Prefill() {
    if (!app_.IsRunning())
        return;
    const sizing::Design design = sizing::DesignFromForm(app_.View());
    q_->setText(design.QLs > 0 ? Decimal(design.QLs) : QString());
    j_->setText(design.JMkm > 0 ? Decimal(design.JMkm) : QString());
    Recompute(true);
}

sizing::Design SizingWindow::TypedDesign() const {
    sizing::Design design;
    design.QLs = Typed(q_).value_or(0);
    design.JMkm = Typed(j_).value_or(0);
    design.vMin = Typed(vMin_);
    design.vMax = Typed(vMax_);
    design.hdMax = Typed(hdMax_);
    design.tauMin = Typed(tauMin_);
    design.L = Typed(length_).value_or(0);
    design.sumZeta = Typed(lossSum_).value_or(0);
    design.hvMax = Typed(hvMax_);
    return design;
}

void SizingWindow::Recompute(bool selectRecommendation) {
    if (!app_.IsRunning())
        return;
    const sizing::Design design = TypedDesign();
    // An open criterion shows its default in grey.
    const sizing::Criteria defaults = sizing::DefaultCriteria(sizing::ModeOf(design));
    vMin_->setPlaceholderText(Decimal(defaults.vMin));
    vMax_->setPlaceholderText(Decimal(defaults.vMax));
    const bool gravity = sizing::ModeOf(design) == sizing::FlowMode::Gravity;
    hdMax_->setPlaceholderText(gravity ? Decimal(defaults.hdMax) : QString());
    hdMax_->setEnabled(gravity);
    tauMin_->setPlaceholderText(gravity ? Decimal(defaults.tauMin) : QString());
    tauMin_->setEnabled(gravity);
    for (QLineEdit* field : {length_, lossSum_, hvMax_}) field->setEnabled(!gravity);
    if (const std::optional<std::string> refused = sizing::CheckDesign(design)) {
        table_.reset();
        summary_->setText(QString::fromStdString(*refused));
    } else {
        table_ = sizing::ComputeTableForForm(app_.View(), design);
        const QString best =
            table_->recommended < 0
                ? QStringLiteral("keine DN erfüllt alle Kriterien")
                : QStringLiteral("Empfehlung: DN %1")
                      .arg(QString::fromStdString(table_->rows[static_cast<size_t>(table_->recommended)].dn));
        QStringList inputs;
        for (const std::string& line : sizing::InputLines(*table_, app_.Clock().Now()))
            inputs << QString::fromStdString(line);
        inputs << best;
        summary_->setText(inputs.join(u'\n'));
    }
    Fill(selectRecommendation);
}

void SizingWindow::Fill(bool selectRecommendation) {
    const int selected = grid_->currentRow();
    grid_->clear();
    grid_->setRowCount(0);
    takeOver_->setEnabled(table_.has_value());
    if (!table_)
        return;
    const std::vector<std::string> headers = sizing::HeaderCells(table_->mode);
    grid_->setColumnCount(static_cast<int>(headers.size()));
    QStringList labels;
    for (const std::string& header : headers) labels << QString::fromStdString(header);
    grid_->setHorizontalHeaderLabels(labels);
    grid_->setRowCount(static_cast<int>(table_->rows.size()));
    for (size_t r = 0; r < table_->rows.size(); ++r) {
        const std::vector<std::string> cells = sizing::RowCells(*table_, r);
        const bool recommended = static_cast<int>(r) == table_->recommended;
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            if (c + 1 < cells.size())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (recommended) {
                item->setBackground(QColor(170, 225, 160));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            } else if (!table_->rows[r].Passes()) {
                item->setForeground(QColor(120, 120, 120));
            }
            grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setSectionResizeMode(grid_->columnCount() - 1, QHeaderView::Stretch);
    // Without a selection "Übernehmen" takes the recommendation, which then shows in its own colour.
    if (!selectRecommendation && selected >= 0 && selected < grid_->rowCount()) {
        grid_->selectRow(selected);
    } else {
        grid_->setCurrentItem(nullptr);
        grid_->clearSelection();
        if (table_->recommended >= 0)
            grid_->scrollToItem(grid_->item(table_->recommended, 0));
    }
}

bool SizingWindow::TakeSelectedRow() {
    const int row = grid_->currentRow() >= 0 ? grid_->currentRow() : (table_ ? table_->recommended : -1);
    if (!table_ || row < 0 || row >= static_cast<int>(table_->rows.size()) || !app_.IsRunning())
        return false;
    const sizing::Row& taken = table_->rows[static_cast<size_t>(row)];
    if (!sizing::TakeOverRow(app_.View(), *table_, taken)) {
        platform::ShowMessage(messages::Text(messages::MessageId::SizingRowNotTaken));
        return false;
    }
    if (const std::optional<std::string> note = sizing::FittedDifferenceNote(*table_, taken))
        platform::ShowMessage(*note);
    mainWindow_->activateWindow();
    mainWindow_->raise();
    return true;
}

void SizingWindow::CopyTable() {
    if (table_)
        QApplication::clipboard()->setText(
            QString::fromStdString(sizing::CopyText(*table_, app_.Clock().Now())));
}

void SizingWindow::SaveCsv() {
    if (!table_)
        return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Bemessungstabelle speichern"),
                                                      QStringLiteral("Bemessungstabelle.csv"),
                                                      QStringLiteral("CSV-Dateien (*.csv)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const std::string csv = sizing::CsvText(*table_, app_.Clock().Now());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size())) {
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotWritten, path.toStdString()),
                              platform::MessageIcon::Exclamation);
    }
}

void SizingWindow::PrintTable(bool preview) {
    if (!table_ || !app_.IsRunning())
        return;
    SizingTablePage page(*table_, app_.View().PageWidth(), app_.View().PageHeight(), printer_, app_.Clock());
    if (preview) {
        printer_.Preview(page);
    } else {
        printer_.Print(page);
    }
}

bool SizingWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Recompute();
    return QWidget::event(event);
}

bool SizingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TakeSelectedRow();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SizingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
