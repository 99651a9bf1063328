#include "app/gui/SizingWindow.h"

#include <QApplication>
#include <QClipboard>
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
#include "app/SizingTableCommands.h"
#include "form/PlenwickView.h"
#include "messages/MessageTexts.h"
#include "messages/SizingTexts.h"
#include "messages/WindowTexts.h"
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
    : QWidget(mainWindow, Qt::Window), m_app(app), m_printer(printer), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("sizingWindow"));
    setWindowTitle(QString::fromUtf8(messages::Text(messages::WindowText::SizingTitle)));
    auto* layout = new QVBoxLayout(this);

    auto* inputs = new QHBoxLayout;
    auto* design = new QFormLayout;
    m_q = NumberField(this, "designFlow");
    m_j = NumberField(this, "designSlope");
    design->addRow(QString::fromUtf8(messages::Text(messages::WindowText::FlowLabel)), m_q);
    design->addRow(QString::fromUtf8(messages::Text(messages::WindowText::SlopeLabel)), m_j);
    auto* line = new QFormLayout;
    m_length = NumberField(this, "lineLength");
    m_lossSum = NumberField(this, "lossSum");
    line->addRow(QString::fromUtf8(messages::Text(messages::WindowText::LengthLabel)), m_length);
    line->addRow(QString::fromUtf8(messages::Text(messages::WindowText::LossSumLabel)), m_lossSum);
    auto* criteria = new QFormLayout;
    m_vMin = NumberField(this, "vMin");
    m_vMax = NumberField(this, "vMax");
    m_hdMax = NumberField(this, "hdMax");
    criteria->addRow(QString::fromUtf8(messages::Text(messages::WindowText::VMinLabel)), m_vMin);
    criteria->addRow(QString::fromUtf8(messages::Text(messages::WindowText::VMaxLabel)), m_vMax);
    criteria->addRow(QString::fromUtf8(messages::Text(messages::WindowText::HdMaxLabel)), m_hdMax);
    auto* checks = new QFormLayout;
    m_tauMin = NumberField(this, "tauMin");
    m_hvMax = NumberField(this, "hvMax");
    checks->addRow(QString::fromUtf8(messages::Text(messages::WindowText::TauMinLabel)), m_tauMin);
    checks->addRow(QString::fromUtf8(messages::Text(messages::WindowText::HvMaxLabel)), m_hvMax);
    inputs->addLayout(design);
    inputs->addSpacing(24);
    inputs->addLayout(line);
    inputs->addSpacing(24);
    inputs->addLayout(criteria);
    inputs->addSpacing(24);
    inputs->addLayout(checks);
    inputs->addStretch();
    layout->addLayout(inputs);
    for (QLineEdit* field : {m_q, m_j, m_length, m_lossSum, m_vMin, m_vMax, m_hdMax, m_tauMin, m_hvMax})
        connect(field, &QLineEdit::textEdited, this, [this] { Recompute(true); });

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    layout->addWidget(m_summary);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("sizingGrid"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { TakeSelectedRow(); });
    layout->addWidget(m_grid, 1);

    auto* help = new QLabel(QString::fromUtf8(sizing::CriteriaSourceText()), this);
    help->setObjectName(QStringLiteral("criteriaSource"));
    help->setWordWrap(true);
    layout->addWidget(help);

    auto* buttons = new QHBoxLayout;
    m_takeOver = new QPushButton(QString::fromUtf8(messages::Text(messages::WindowText::TakeOver)), this);
    m_takeOver->setObjectName(QStringLiteral("takeOver"));
    connect(m_takeOver, &QPushButton::clicked, this, [this] { TakeSelectedRow(); });
    buttons->addWidget(m_takeOver);
    buttons->addStretch();
    const std::pair<const char*, void (SizingWindow::*)()> commands[] = {
        {messages::Text(messages::WindowText::Copy), &SizingWindow::CopyTable},
        {messages::Text(messages::WindowText::SaveCsv), &SizingWindow::SaveCsv},
    };
    for (const auto& [caption, slot] : commands) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    auto* print = new QPushButton(QString::fromUtf8(messages::Text(messages::WindowText::Print)), this);
    connect(print, &QPushButton::clicked, this, [this] { PrintTable(false); });
    buttons->addWidget(print);
    auto* preview = new QPushButton(QString::fromUtf8(messages::Text(messages::WindowText::Preview)), this);
    connect(preview, &QPushButton::clicked, this, [this] { PrintTable(true); });
    buttons->addWidget(preview);
    auto* close = new QPushButton(QString::fromUtf8(messages::Text(messages::WindowText::Close)), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);  // Enter presses it
    resize(qtbackend::FittingScreen(*this, QSize(900, 640)));
}

QLineEdit* SizingWindow::Field(const char* name) const {
    return findChild<QLineEdit*>(QString::fromUtf8(name));
}

void SizingWindow::Prefill() {
    if (!m_app.IsRunning())
        return;
    const sizing::Design design = sizing::DesignFromForm(m_app.View());
    m_q->setText(design.QLs > 0 ? Decimal(design.QLs) : QString());
    m_j->setText(design.JMkm > 0 ? Decimal(design.JMkm) : QString());
    Recompute(true);
}

sizing::Design SizingWindow::TypedDesign() const {
    sizing::Design design;
    design.QLs = Typed(m_q).value_or(0);
    design.JMkm = Typed(m_j).value_or(0);
    design.vMin = Typed(m_vMin);
    design.vMax = Typed(m_vMax);
    design.hdMax = Typed(m_hdMax);
    design.tauMin = Typed(m_tauMin);
    design.L = Typed(m_length).value_or(0);
    design.sumZeta = Typed(m_lossSum).value_or(0);
    design.hvMax = Typed(m_hvMax);
    return design;
}

void SizingWindow::Recompute(bool selectRecommendation) {
    if (!m_app.IsRunning())
        return;
    const sizing::Design design = TypedDesign();
    // An open criterion shows its default in grey.
    const sizing::Criteria defaults = sizing::DefaultCriteria(sizing::ModeOf(design));
    m_vMin->setPlaceholderText(Decimal(defaults.vMin));
    m_vMax->setPlaceholderText(Decimal(defaults.vMax));
    const bool gravity = sizing::ModeOf(design) == sizing::FlowMode::Gravity;
    m_hdMax->setPlaceholderText(gravity ? Decimal(defaults.hdMax) : QString());
    m_hdMax->setEnabled(gravity);
    m_tauMin->setPlaceholderText(gravity ? Decimal(defaults.tauMin) : QString());
    m_tauMin->setEnabled(gravity);
    for (QLineEdit* field : {m_length, m_lossSum, m_hvMax}) field->setEnabled(!gravity);
    if (const std::optional<std::string> refused = sizing::CheckDesign(design)) {
        m_table.reset();
        m_summary->setText(QString::fromStdString(*refused));
    } else {
        m_table = sizing::ComputeTableForForm(m_app.View(), design);
        const QString best = m_table->recommended < 0
                                 ? QString::fromUtf8(messages::Text(messages::SizingText::NoRowMet))
                                 : QString::fromStdString(messages::Filled(
                                       messages::WindowText::Recommendation,
                                       {m_table->rows[static_cast<size_t>(m_table->recommended)].dn}));
        QStringList inputs;
        for (const std::string& line : sizing::InputLines(*m_table, m_app.Clock().Now()))
            inputs << QString::fromStdString(line);
        inputs << best;
        m_summary->setText(inputs.join(u'\n'));
    }
    Fill(selectRecommendation);
}

void SizingWindow::Fill(bool selectRecommendation) {
    const int selected = m_grid->currentRow();
    m_grid->clear();
    m_grid->setRowCount(0);
    m_takeOver->setEnabled(m_table.has_value());
    if (!m_table)
        return;
    const std::vector<std::string> headers = sizing::HeaderCells(m_table->mode);
    m_grid->setColumnCount(static_cast<int>(headers.size()));
    QStringList labels;
    for (const std::string& header : headers) labels << QString::fromStdString(header);
    m_grid->setHorizontalHeaderLabels(labels);
    m_grid->setRowCount(static_cast<int>(m_table->rows.size()));
    for (size_t r = 0; r < m_table->rows.size(); ++r) {
        const std::vector<std::string> cells = sizing::RowCells(*m_table, r);
        const bool recommended = static_cast<int>(r) == m_table->recommended;
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            if (c + 1 < cells.size())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (recommended) {
                item->setBackground(QColor(170, 225, 160));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            } else if (!m_table->rows[r].Passes()) {
                item->setForeground(QColor(120, 120, 120));
            }
            m_grid->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    m_grid->resizeColumnsToContents();
    m_grid->horizontalHeader()->setSectionResizeMode(m_grid->columnCount() - 1, QHeaderView::Stretch);
    // Without a selection "Übernehmen" takes the recommendation, which then shows in its own colour.
    if (!selectRecommendation && selected >= 0 && selected < m_grid->rowCount()) {
        m_grid->selectRow(selected);
    } else {
        m_grid->setCurrentItem(nullptr);
        m_grid->clearSelection();
        if (m_table->recommended >= 0)
            m_grid->scrollToItem(m_grid->item(m_table->recommended, 0));
    }
}

bool SizingWindow::TakeSelectedRow() {
    const int row = m_grid->currentRow() >= 0 ? m_grid->currentRow() : (m_table ? m_table->recommended : -1);
    if (!m_table || row < 0 || row >= static_cast<int>(m_table->rows.size()) || !m_app.IsRunning())
        return false;
    const sizing::Row& taken = m_table->rows[static_cast<size_t>(row)];
    if (!sizing::TakeOverRow(m_app.View(), *m_table, taken)) {
        platform::ShowMessage(messages::Text(messages::MessageId::SizingRowNotTaken));
        return false;
    }
    if (const std::optional<std::string> note = sizing::FittedDifferenceNote(*m_table, taken))
        platform::ShowMessage(*note);
    m_mainWindow->activateWindow();
    m_mainWindow->raise();
    return true;
}

void SizingWindow::CopyTable() {
    if (m_table)
        QApplication::clipboard()->setText(
            QString::fromStdString(sizing::CopyText(*m_table, m_app.Clock().Now())));
}

void SizingWindow::SaveCsv() {
    if (m_table)
        SaveSizingTableCsv(*m_table, m_app);
}

void SizingWindow::PrintTable(bool preview) {
    if (m_table)
        PrintSizingTable(*m_table, m_app, m_printer, preview);
}

bool SizingWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Recompute();
    return QWidget::event(event);
}

bool SizingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
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
