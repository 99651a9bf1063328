#include "app/gui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

#include "app/Application.h"
#include "app/CommandTexts.h"
#include "app/gui/FillingCurveWindow.h"
#include "app/gui/LockIndicators.h"
#include "app/gui/Pictures.h"
#include "app/gui/ProjectDialog.h"
#include "app/gui/SizingWindow.h"
#include "form/model/CalculationFormTemplate.h"
#include "form/PlenwickView.h"
#include "form/ResultsText.h"
#include "messages/MessageTexts.h"
#include "messages/WindowTexts.h"
#include "platform/Prompt.h"
#include "platform/qt/FormWidget.h"
#include "platform/qt/QtPrinterService.h"
#include "record/PlenwickDoc.h"

namespace {

const QString kIdleText = QString::fromUtf8(messages::Text(messages::WindowText::Ready));

struct MenuEntry {
    Command command;
    const char* caption;  // nullptr: a separator
};

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr MenuEntry Separator() {
    return {Command::New, nullptr};
}

// The desktop's keys for a standard command, or the usual one where its key scheme has none.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command, QKeyCombination usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    if (keys.isEmpty())
        keys.append(QKeySequence(usual));
    return keys;
}

}  // namespace

CMainFrame::CMainFrame(QuellrixApp& app, qtbackend::QtPrinterService& printer)
    : m_app(app), m_printer(printer) {
    setObjectName(QStringLiteral("mainFrame"));
    m_app.SetFileListener(
        [this](const std::string& path) { m_recentFiles.Add(QString::fromStdString(path)); });
    setWindowIcon(ProgramIcon());
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::MakeAction(Command command, const char* caption) {
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(command)));
    const CommandPrompt prompt = PromptFor(command);
    action->setStatusTip(Utf8(prompt.statusTip));
    if (!prompt.toolTip.empty())
        action->setToolTip(Utf8(prompt.toolTip));
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    m_actions[command] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    const std::vector<std::pair<const char*, std::vector<MenuEntry>>> menus = {
        {"&Datei",
         {{Command::New, "&Neu\tStrg+N"},
          {Command::Open, "Ö&ffnen...\tStrg+O"},
          {Command::Save, "S&peichern\tStrg+S"},
          {Command::SaveAs, "Speichern &unter..."},
          Separator(),
          {Command::ProjectHeader, "Pro&jektangaben..."},
          Separator(),
          {Command::Print, "&Drucken...\tStrg+P"},
          {Command::PrintPreview, "Sei&tenansicht"},
          {Command::SavePdf, "&Als PDF speichern..."},
          {Command::PrintDesignSheet, "Be&messungsblatt drucken..."},
          {Command::PreviewDesignSheet, "Bemessungsblatt-Seitenans&icht"},
          {Command::SaveDesignSheetPdf, "Bemessungsblatt a&ls PDF speichern..."},
          {Command::PrintSetup, "Drucker&einrichtung..."},
          Separator(),
          {Command::RecentFile1, "Letzte Datei"},
          Separator(),
          {Command::Exit, "&Beenden"}}},
        {"&Bearbeiten",
         {{Command::Undo, "&Rückgängig\tStrg+Z"},
          Separator(),
          {Command::Cut, "&Ausschneiden\tStrg+X"},
          {Command::Copy, "&Kopieren\tStrg+C"},
          {Command::Paste, "E&infügen\tStrg+V"},
          Separator(),
          {Command::CopyResults, "&Ergebnisse kopieren\tStrg+Umschalt+C"}}},
        {"&Ansicht",
         {{Command::ToggleToolbar, "&Symbolleiste"}, {Command::ToggleStatusBar, "S&tatusleiste"}}},
        {"&Extras",
         {{Command::SizingTable, "&Bemessungstabelle..."},
          {Command::FillingCurves, "&Teilfüllungskurve..."}}},
        {"&?", {{Command::About, "Inf&o über Quellrix..."}, {Command::Help, "&Hilfe"}}},
    };
    for (const auto& [title, entries] : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandStates(); });
        for (const MenuEntry& entry : entries) {
            if (!entry.caption) {
                menu->addSeparator();
            } else {
                menu->addAction(MakeAction(entry.command, entry.caption));
            }
        }
        if (!m_fileMenu)
            m_fileMenu = menu;
    }
    m_recentPlaceholder = Action(Command::RecentFile1);
    connect(m_fileMenu, &QMenu::aboutToShow, this, [this] { UpdateRecentFileMenu(); });

    // Bound shortcuts: the file commands, printing, quitting and the help, by the desktop's standard
    // keys. The disabled editing commands keep their keys free for the fields' own editing.
    Action(Command::New)->setShortcuts(StandardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    Action(Command::Open)->setShortcuts(StandardKeys(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    Action(Command::Save)->setShortcuts(StandardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    Action(Command::Print)->setShortcuts(StandardKeys(QKeySequence::Print, Qt::CTRL | Qt::Key_P));
    Action(Command::Exit)->setShortcuts(StandardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
    Action(Command::Help)->setShortcuts(StandardKeys(QKeySequence::HelpContents, Qt::Key_F1));
    Action(Command::CopyResults)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    Action(Command::ToggleToolbar)->setCheckable(true);
    Action(Command::ToggleStatusBar)->setCheckable(true);
}

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("Standard"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const std::vector<std::vector<Command>> groups = {
        {Command::New, Command::Open, Command::Save},
        {Command::Cut, Command::Copy, Command::Paste},
        {Command::Print},
        {Command::About},
    };
    for (const std::vector<Command>& group : groups) {
        if (!m_toolBar->actions().isEmpty())
            m_toolBar->addSeparator();
        for (Command command : group) {
            QAction* action = Action(command);
            action->setIcon(ToolbarIcon(command));
            m_toolBar->addAction(action);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    QAction* toggle = Action(Command::ToggleToolbar);
    toggle->setChecked(true);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    m_indicators = new LockIndicators(*bar);
    m_restingText = kIdleText;
    bar->showMessage(m_restingText);
    // A prompt that goes leaves the resting text behind it.
    connect(bar, &QStatusBar::messageChanged, bar, [this, bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(m_restingText);
    });
    Action(Command::ToggleStatusBar)->setChecked(true);
}

// At rest the status bar shows what the form says beside its result (the checks of a partly filled
// result, where its fitted values leave the exact section), else the idle text.
void CMainFrame::ShowRestingText() {
    std::string notes;
    if (m_app.IsRunning()) {
        for (const std::string& note : {m_app.View().PartialFillingNotice(), m_app.View().ResultNote()}) {
            if (!note.empty())
                notes += (notes.empty() ? "" : "  ·  ") + note;
        }
    }
    m_restingText = notes.empty() ? kIdleText : QString::fromStdString(notes);
    statusBar()->showMessage(m_restingText);
}

QAction* CMainFrame::Action(Command command) const {
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::RunCommand(Command command) {
    switch (command) {
        case Command::ToggleToolbar:
            m_toolBar->setVisible(!m_toolBar->isVisible());
            break;
        case Command::ToggleStatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            Action(Command::ToggleStatusBar)->setChecked(statusBar()->isVisible());
            break;
        case Command::Exit:
            close();
            break;
        case Command::RecentFile1:
            break;  // the entries of the list open their files
        case Command::FillingCurves:
            ShowFillingCurves();
            break;
        case Command::SizingTable:
            ShowSizingTable();
            break;
        case Command::CopyResults:
            CopyResults();
            break;
        case Command::SavePdf:
            if (m_app.IsRunning())
                SavePdf(m_app.View(), messages::Text(messages::WindowText::SaveReportPdfCaption),
                        messages::Text(messages::WindowText::ReportPdfFileName));
            break;
        case Command::SaveDesignSheetPdf:
            if (m_app.IsEnabled(command))
                SavePdf(m_app.DesignSheet(), messages::Text(messages::WindowText::SaveSheetPdfCaption),
                        messages::Text(messages::WindowText::SheetPdfFileName));
            break;
        case Command::ProjectHeader:
            EditProjectHeader();
            break;
        default:
            m_app.Execute(command);
            UpdateCaption();
            ShowRestingText();
            if (m_form)
                m_form->FollowProgramFocus();  // "Neu" puts it into the first field
            break;
    }
}

void CMainFrame::UpdateCommandStates() {
    for (const auto& [command, action] : m_actions) {
        switch (command) {
            case Command::ToggleToolbar:
            case Command::ToggleStatusBar:
            case Command::Exit:
                action->setEnabled(true);
                break;
            case Command::RecentFile1:
                action->setEnabled(false);  // the placeholder of an empty list
                break;
            default:
                action->setEnabled(m_app.IsEnabled(command));
                break;
        }
    }
}

void CMainFrame::UpdateRecentFileMenu() {
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    const QStringList& files = m_recentFiles.Files();
    m_recentPlaceholder->setVisible(files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), this);
        action->setStatusTip(Utf8(PromptFor(Command::RecentFile1).statusTip));
        const QString file = files[i];
        connect(action, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
        m_fileMenu->insertAction(m_recentPlaceholder, action);
        m_recentActions.push_back(action);
    }
}

void CMainFrame::OpenRecentFile(const QString& file) {
    if (!m_app.IsRunning())
        return;
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotFound, file.toStdString()),
                              platform::MessageIcon::Exclamation);
        m_recentFiles.Remove(file);
        return;
    }
    if (m_app.SaveModified())
        m_app.OpenDocument(file.toStdString());  // a file opened enters the list anew
    UpdateCaption();
    ShowRestingText();
}

// A document program's caption: "NAME - Quellrix" for a file, the document title while untitled, with
// the desktop's mark of unsaved changes.
void CMainFrame::UpdateCaption() {
    if (!m_app.IsRunning()) {
        setWindowTitle(QString());
        return;
    }
    const QString title = QString::fromStdString(m_app.Document().GetTitle());
    if (m_app.DocumentPath().empty()) {
        setWindowTitle(title + QStringLiteral("[*]"));
    } else {
        setWindowTitle(title + QStringLiteral("[*] - ") + QString::fromUtf8(platform::kApplicationTitle));
    }
    setWindowModified(m_app.Document().IsModified());
    ShowRestingText();
}

void CMainFrame::EditProjectHeader() {
    if (!m_app.IsRunning())
        return;
    ProjectDialog dialog(m_app.Document().GetProjectHeader(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_app.SetProjectHeader(dialog.Header());
}

void CMainFrame::ShowForm(CPlenwickView& view) {
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("formArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_form = new qtbackend::FormWidget(CalculationFormTemplate(), view.Controls(), view);
    m_app.Document().SetModifiedListener([this] { UpdateCaption(); });
    view.SetEventListener([this] { ShowRestingText(); });
    m_scrollArea->setWidget(m_form);
    setCentralWidget(m_scrollArea);
    UpdateCaption();
    UpdateCommandStates();
    FitToForm();
}

// The window takes exactly the room its bars and the form need.
void CMainFrame::FitToForm() {
    m_scrollArea->setMinimumSize(m_form->size());
    adjustSize();
    resize(sizeHint().expandedTo(minimumSizeHint()));
    m_scrollArea->setMinimumSize(0, 0);
}

void CMainFrame::ShowFillingCurves() {
    if (!m_app.IsRunning())
        return;
    if (!m_fillingCurves)
        m_fillingCurves = new FillingCurveWindow(m_app.Document(), this);
    m_fillingCurves->Refresh();
    m_fillingCurves->show();
    m_fillingCurves->raise();
    m_fillingCurves->activateWindow();
}

void CMainFrame::ShowSizingTable() {
    if (!m_app.IsRunning())
        return;
    if (!m_sizingTable)
        m_sizingTable = new SizingWindow(m_app, m_printer, this);
    m_sizingTable->Prefill();
    m_sizingTable->show();
    m_sizingTable->raise();
    m_sizingTable->activateWindow();
}

void CMainFrame::CopyResults() {
    if (m_app.IsRunning())
        QApplication::clipboard()->setText(QString::fromStdString(ResultsText(m_app.View())));
}

void CMainFrame::SavePdf(platform::Printable& printable, const char* title, const char* fileName) {
    const QString path =
        QFileDialog::getSaveFileName(this, QString::fromUtf8(title), QString::fromUtf8(fileName),
                                     QString::fromUtf8(messages::Text(messages::WindowText::PdfFilesFilter)));
    if (path.isEmpty())
        return;
    if (!m_printer.PrintToPdf(printable, path)) {
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotWritten, path.toStdString()),
                              platform::MessageIcon::Exclamation);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_closed && !m_app.SaveModified()) {
        event->ignore();  // "Abbrechen", or the calculation could not be saved
        return;
    }
    if (!m_closed) {
        m_closed = true;
        if (m_fillingCurves)
            m_fillingCurves->close();
        if (m_sizingTable)
            m_sizingTable->close();
        if (m_form)
            m_form->Detach();
        m_app.Close();  // the form writes the global data back
    }
    event->accept();
}
