// The main window: menu bar, toolbar and status bar around the calculation form.
//
// Its caption is the document title ("Quellrix V 1.0") while untitled, else the file's name and the
// program's, each with the desktop's mark of unsaved changes. Commands go to the application object;
// toolbar, status bar, the project dialog and the recent-file list belong to the window. Menu and toolbar
// commands leave the form's focus where it is.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "app/Commands.h"
#include "app/gui/RecentFileList.h"

class CPlenwickView;
class FillingCurveWindow;
class LockIndicators;
class QAction;
class QMenu;
class QScrollArea;
class QToolBar;
class QuellrixApp;
class SizingWindow;

namespace platform {
class Printable;
}

namespace qtbackend {
class FormWidget;
class QtPrinterService;
}  // namespace qtbackend

class CMainFrame : public QMainWindow {
  public:
    CMainFrame(QuellrixApp& app, qtbackend::QtPrinterService& printer);
    ~CMainFrame() override;

    // Puts the form of the view into the window, which then shrinks to the form's size.
    void ShowForm(CPlenwickView& view);
    qtbackend::FormWidget* Form() const { return m_form; }
    SizingWindow* SizingTable() const { return m_sizingTable; }

    QAction* Action(Command command) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    LockIndicators* Indicators() const { return m_indicators; }
    RecentFileList& RecentFiles() { return m_recentFiles; }

    // The caption follows the document title; the command states follow the application.
    void UpdateCaption();
    void UpdateCommandStates();
    // Opens a file of the recent-file list, after the unsaved-changes question.
    void OpenRecentFile(const QString& file);
    // The window "Teilfüllungskurve", made on its first use; nullptr before.
    FillingCurveWindow* FillingCurves() const { return m_fillingCurves; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ShowRestingText();
    QAction* MakeAction(Command command, const char* caption);
    void RunCommand(Command command);
    void UpdateRecentFileMenu();
    void FitToForm();
    void ShowFillingCurves();
    void ShowSizingTable();
    void CopyResults();
    // The printable's pages straight into a PDF file chosen in a file dialog (title, proposed name).
    void SavePdf(platform::Printable& printable, const char* title, const char* fileName);
    void EditProjectHeader();

    QuellrixApp& m_app;
    RecentFileList m_recentFiles;
    std::map<Command, QAction*> m_actions;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    std::vector<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    LockIndicators* m_indicators = nullptr;
    QString m_restingText;
    QScrollArea* m_scrollArea = nullptr;
    qtbackend::FormWidget* m_form = nullptr;
    FillingCurveWindow* m_fillingCurves = nullptr;
    bool m_closed = false;
    qtbackend::QtPrinterService& m_printer;
    SizingWindow* m_sizingTable = nullptr;
};
