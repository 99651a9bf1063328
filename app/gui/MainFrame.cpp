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
#include "platform/Prompt.h"
#include "platform/qt/FormWidget.h"
#include "platform/qt/QtPrinterService.h"
#include "record/PlenwickDoc.h"

namespace {

const QString kIdleText = QStringLiteral("Bereit");

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

CMainFrame::CMainFrame(QuellrixApp& app, qtbackend::QtPrinterService& printer) : app_(app), printer_(printer) {
    setObjectName(QStringLiteral("mainFrame"));
    app_.SetFileListener([this](const std::string& path) { recentFiles_.Add(QString::fromStdString(path)); });
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
    actions_[command] = action;
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
        if (!fileMenu_)
            fileMenu_ = menu;
    }
    recentPlaceholder_ = Action(Command::RecentFile1);
    connect(fileMenu_, &QMenu::aboutToShow, this, [this] { UpdateRecentFileMenu(); });

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
    toolBar_ = new QToolBar(QStringLiteral("Standard"), this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    const std::vector<std::vector<Command>> groups = {
        {Command::New, Command::Open, Command::Save},
        {Command::Cut, Command::Copy, Command::Paste},
        {Command::Print},
        {Command::About},
    };
    for (const std::vector<Command>& group : groups) {
        if (!toolBar_->actions().isEmpty())
            toolBar_->addSeparator();
        for (Command command : group) {
            QAction* action = Action(command);
            action->setIcon(ToolbarIcon(command));
            toolBar_->addAction(action);
        }
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    QAction* toggle = Action(Command::ToggleToolbar);
    toggle->setChecked(true);
    connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    indicators_ = new LockIndicators(*bar);
    restingText_ = kIdleText;
    bar->showMessage(restingText_);
    // A prompt that goes leaves the resting text behind it.
    connect(bar, &QStatusBar::messageChanged, bar, [this, bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(restingText_);
    });
    Action(Command::ToggleStatusBar)->setChecked(true);
}

// At rest the status bar shows what the form says beside its result (the checks of a partly filled
// result, where its fitted values leave the exact section), else the idle text.
void CMainFrame::ShowRestingText() {
    std::string notes;
    if (app_.IsRunning()) {
        for (const std::string& note : {app_.View().PartialFillingNotice(), app_.View().ResultNote()}) {
            if (!note.empty())
                notes += (notes.empty() ? "" : "  ·  ") + note;
        }
    }
    restingText_ = notes.empty() ? kIdleText : QString::fromStdString(notes);
    statusBar()->showMessage(restingText_);
}

QAction* CMainFrame::Action(Command command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::RunCommand(Command command) {
    switch (command) {
        case Command::ToggleToolbar:
            toolBar_->setVisible(!toolBar_->isVisible());
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
            if (app_.IsRunning())
                SavePdf(app_.View(), "Als PDF speichern", "Rechenbericht.pdf");
            break;
        case Command::SaveDesignSheetPdf:
            if (app_.IsEnabled(command))
                SavePdf(app_.DesignSheet(), "Bemessungsblatt als PDF speichern", "Bemessungsblatt.pdf");
            break;
        case Command::ProjectHeader:
            EditProjectHeader();
            break;
        default:
            app_.Execute(command);
            UpdateCaption();
            ShowRestingText();
            if (form_)
                form_->FollowProgramFocus();  // "Neu" puts it into the first field
            break;
    }
}

void CMainFrame::UpdateCommandStates() {
    for (const auto& [command, action] : actions_) {
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
                action->setEnabled(app_.IsEnabled(command));
                break;
        }
    }
}

void CMainFrame::UpdateRecentFileMenu() {
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    const QStringList& files = recentFiles_.Files();
    recentPlaceholder_->setVisible(files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), this);
        action->setStatusTip(Utf8(PromptFor(Command::RecentFile1).statusTip));
        const QString file = files[i];
        connect(action, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
        fileMenu_->insertAction(recentPlaceholder_, action);
        recentActions_.push_back(action);
    }
}

void CMainFrame::OpenRecentFile(const QString& file) {
    if (!app_.IsRunning())
        return;
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotFound, file.toStdString()),
                              platform::MessageIcon::Exclamation);
        recentFiles_.Remove(file);
        return;
    }
    if (app_.SaveModified())
        app_.OpenDocument(file.toStdString());  // a file opened enters the list anew
    UpdateCaption();
    ShowRestingText();
}

// A document program's caption: "NAME - Quellrix" for a file, the document title while untitled, with
// the desktop's mark of unsaved changes.
void CMainFrame::UpdateCaption() {
    if (!app_.IsRunning()) {
        setWindowTitle(QString());
        return;
    }
    const QString title = QString::fromStdString(app_.Document().GetTitle());
    if (app_.DocumentPath().empty()) {
        setWindowTitle(title + QStringLiteral("[*]"));
    } else {
        setWindowTitle(title + QStringLiteral("[*] - ") + QString::fromUtf8(platform::kApplicationTitle));
    }
    setWindowModified(app_.Document().IsModified());
    ShowRestingText();
}

void CMainFrame::EditProjectHeader() {
    if (!app_.IsRunning())
        return;
    ProjectDialog dialog(app_.Document().GetProjectHeader(), this);
    if (dialog.exec() == QDialog::Accepted)
        app_.SetProjectHeader(dialog.Header());
}

void CMainFrame::ShowForm(CPlenwickView& view) {
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("formArea"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    form_ = new qtbackend::FormWidget(CalculationFormTemplate(), view.Controls(), view);
    app_.Document().SetModifiedListener([this] { UpdateCaption(); });
    view.SetEventListener([this] { ShowRestingText(); });
    scrollArea_->setWidget(form_);
    setCentralWidget(scrollArea_);
    UpdateCaption();
    UpdateCommandStates();
    FitToForm();
}

// The window takes exactly the room its bars and the form need.
void CMainFrame::FitToForm() {
    scrollArea_->setMinimumSize(form_->size());
    adjustSize();
    resize(sizeHint().expandedTo(minimumSizeHint()));
    scrollArea_->setMinimumSize(0, 0);
}

void CMainFrame::ShowFillingCurves() {
    if (!app_.IsRunning())
        return;
    if (!fillingCurves_)
        fillingCurves_ = new FillingCurveWindow(app_.Document(), this);
    fillingCurves_->Refresh();
    fillingCurves_->show();
    fillingCurves_->raise();
    fillingCurves_->activateWindow();
}

void CMainFrame::ShowSizingTable() {
    if (!app_.IsRunning())
        return;
    if (!sizingTable_)
        sizingTable_ = new SizingWindow(app_, printer_, this);
    sizingTable_->Prefill();
    sizingTable_->show();
    sizingTable_->raise();
    sizingTable_->activateWindow();
}

void CMainFrame::CopyResults() {
    if (app_.IsRunning())
        QApplication::clipboard()->setText(QString::fromStdString(ResultsText(app_.View())));
}

void CMainFrame::SavePdf(platform::Printable& printable, const char* title, const char* fileName) {
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(title), QString::fromUtf8(fileName),
                                                      QStringLiteral("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!printer_.PrintToPdf(printable, path)) {
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotWritten, path.toStdString()),
                              platform::MessageIcon::Exclamation);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!closed_ && !app_.SaveModified()) {
        event->ignore();  // "Abbrechen", or the calculation could not be saved
        return;
    }
    if (!closed_) {
        closed_ = true;
        if (fillingCurves_)
            fillingCurves_->close();
        if (sizingTable_)
            sizingTable_->close();
        if (form_)
            form_->Detach();
        app_.Close();  // the form writes the global data back
    }
    event->accept();
}
