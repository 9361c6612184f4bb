#pragma once
// The main window: the OpenGL view GlView, the graph list, the report box Result, the two
// splitter bars, three toolbars, the status bar, the menus and the two pop-up menus. It starts
// the program (Form_Load), lays its panes out in twips (Form_Resize), carries out the view
// commands and the mouse drags in the view, the toolbars' hints, the Help menu, and ends the
// program (Form_Unload). It is the document commands' host (File New, Open, Save, Save As and
// Print run on it); the graph-list, drawing and animation commands behind its menus are installed
// by the parts that own them (MainWindowCommands.h).

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/DocumentHost.h"
#include "platform/DesktopRegistration.h"
#include "view/window/Layout.h"
#include "view/window/Toolbars.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QTimer;
class QToolBar;
class QUrl;
class SplitterBar;
class GlView;
struct MenuSpec;

class MainWindow : public QMainWindow, public DocumentHost {
  Q_OBJECT
public:
  // Creates the window and its controls and gives the program-wide objects their defaults
  // (Form_Initialize). The window is not loaded yet: Form_Load does that.
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The main window of the program (the most recently created one); null when there is none.
  static MainWindow* Instance();

  // --- controls ----------------------------------------------------------------------------
  GlView* View() const { return m_glView; }
  QListWidget* GraphList() const { return m_graphList; }
  QPlainTextEdit* Result() const { return m_result; }
  QTimer* AnimationTimer() const { return m_animationTimer; }
  QStatusBar* StatusBar() const { return m_statusBar; }
  QToolBar* Toolbar(int toolbar) const; // MainToolbar, DrawToolbar or ViewToolbar
  // Button `index` (counted from 1) of a toolbar; null when there is none.
  QAction* Button(int toolbar, int index) const;
  // The button of a toolbar with that key ("barCut"); null when there is none.
  QAction* Button(int toolbar, std::string_view key) const;
  // The menu item (or sub-menu, or pop-up menu) of that name; null when there is none.
  QAction* MenuItem(std::string_view name) const;
  // The pop-up menus GraphEdit and FunEdit (and every sub-menu) by name.
  QMenu* Menu(std::string_view name) const;
  // The text of the status bar's first panel.
  QString StatusText() const;
  SplitterBar* VerticalSplitter() const { return m_verticalSplitter; }
  SplitterBar* HorizontalSplitter() const { return m_horizontalSplitter; }
  // The window's inner area: everything below the menu bar, laid out in twips.
  QWidget* InnerArea() const { return m_inner; }

  // --- life of the window ----------------------------------------------------------------
  // When Form_Load opens the command-line document: at once, or once the view has presented its
  // first frame (the program's start), so that a document that takes long to sample shows the
  // window first and then the progress of its opening.
  enum class StartDocument { AtOnce, AfterFirstFrame };
  // Loads the window: sets every program-wide value to its start-up default, sets the view up,
  // registers the document type with the desktop ($XDG_DATA_HOME), and opens the document that
  // the command line names (its whole text) or starts an empty 2D document. Runs once; every
  // step is guarded, so a step that fails is skipped and the next one runs.
  void Form_Load(const std::string& commandLine = "", StartDocument open = StartDocument::AtOnce);
  bool Loaded() const { return m_loaded; }
  // True while the command-line document waits for the view's first frame.
  bool StartDocumentPending() const { return m_startDocument.has_value(); }
  // Lays the panes out from the splitter positions and presents the scene.
  void Form_Resize();
  // Presents the current frame without compiling the scene.
  void View_Paint();

  // --- the scene -----------------------------------------------------------------------------
  bool Initialize();
  void BuildScene();
  void Display(int32_t animStep) override;
  // BuildScene, then Display with CurrentFrame.
  void Redraw();

  // --- the layout in twips ---------------------------------------------------------------------
  const PaneGeometry& Panes() const { return m_panes; }
  WindowMetrics Metrics() const;
  double DpiX() const;
  double DpiY() const;

  // --- view commands (View menu, view toolbar) ---------------------------------------------------
  void DragToMove();
  void DragToZoom();
  void FitViewToGraphs();
  void DragToRotateAboutX();
  void DragToRotateAboutY();
  void DragToRotateAboutZ();
  void DragWithTrackball();
  void ViewFromFront();
  void ViewFromRight();
  void ViewFromTop();
  void ViewIsometric();
  void EditViewSettings();

  // --- mouse in the view: button is a mask (1 left, 2 right, 4 middle), X and Y are pixels from
  // the view's top-left corner.
  void View_MouseDown(int button, float X, float Y);
  void View_MouseMove(int button, float X, float Y);
  void View_MouseUp(int button, float X, float Y);
  void ApplyTrackballStep();

  // --- toolbars -------------------------------------------------------------------------------
  // The click of the toolbar's button with that key: the handler its table names, or the view
  // toolbar's own projection and graph style commands. A separator or an unknown key does
  // nothing.
  void OnToolbarButton(int toolbar, std::string_view key);
  // Pointer moves over a toolbar, X and Y in twips relative to the toolbar.
  void OnToolbarMouseMove(int toolbar, float X, float Y);

  // --- splitter bars: X and Y in twips relative to the bar.
  void OnVerticalSplitterMouseDown(int button, double X, double Y);
  void OnVerticalSplitterMouseMove(int button, double X, double Y);
  void OnVerticalSplitterMouseUp(int button, double X, double Y);
  void OnHorizontalSplitterMouseDown(int button, double X, double Y);
  void OnHorizontalSplitterMouseMove(int button, double X, double Y);
  void OnHorizontalSplitterMouseUp(int button, double X, double Y);
  bool SplitterDragging = false;

  // --- Help and Tools menus, the About box, the view's pop-up menu -----------------------------
  void ShowHelpContents();
  void ShowHomePage();
  void ShowCustomerSupport();
  void ShowVideoTutorials();
  void ShowTips();
  void ShowGallery();
  void ShowAboutBox();
  void ShowExpressionCalculator();
  void ViewPopupPasteCopiedGraph();
  void ViewPopupCopyPictureAsBmp();
  void ViewPopupDeleteAllGraphs();
  void ViewPopupEditAxisSettings();
  void ViewPopupEditLightSettings();

  // --- File menu -----------------------------------------------------------------------------
  void New2DDocument();
  void New25DDocument();
  void New3DDocument();
  void New4DDocument();
  void NewSpecialDocument();
  void OpenDocumentFile();
  // Sets SaveCompleted.
  void SaveDocumentFile();
  void SaveDocumentFileAs();
  void PrintView();
  void ExitProgram();
  // --- commands that other parts install (MainWindowCommands.h); each does nothing until then
  // ------
  void PasteCopiedGraph();
  void CopyPictureAsBmp();
  void EditAxisSettings();
  void EditLightSettings();
  // Runs the handler of that name: one of the window's own, or an installed one.
  void RunHandler(const std::string& handler);

  // --- the document commands' host ------------------------------------------------------------
  void RemoveAllGraphs() override;
  void EnableCommands(int32_t documentType) override;
  void EnableAnimationCommands() override;
  // The eleven playback commands (the main toolbar's Start to Reverse Repeat buttons and their
  // Animation menu items).
  void SetAnimationCommandsEnabled(bool on);
  void AddListRow(const std::string& caption) override;
  void SetListRowChecked(int32_t row, bool checked) override;
  void CheckAllListRows(int32_t count) override;
  void SetUseTrackballRotation(bool on) override;
  void DragModesOff() override;
  void SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) override;
  void HoldSceneUpdates() override;
  void ReleaseSceneUpdates() override;
  void Refresh() override;
  void ZoomToFit() override;
  void RefreshAssociation() override;
  bool SaveViewAsBmp(const std::string& path, std::string* problem = nullptr) override;
  QImage ViewImage() override;
  // What the Animation Options dialog shows in its frame count and frames-per-second boxes.
  int32_t AnimationOptionsFrameCount = 10;
  int32_t AnimationOptionsFramesPerSecond = 10;

  // --- members of the window ------------------------------------------------------------------
  std::array<float, 4> LastRotation{0, 0, 0, 1}; // the rotation of the last drag step
  float LastMouseX = 0;                          // where the current drag step began, pixels
  float LastMouseY = 0;
  int32_t ViewPixelWidth = 0; // the view's size in whole pixels, read at every mouse move
  int32_t ViewPixelHeight = 0;

  // The program folder (where the executable, the help and the samples are).
  static QString ProgramFolder();
  // Tests put the program folder elsewhere (a folder holding samples/ and help/); empty restores
  // the executable's folder.
  static void SetProgramFolder(const QString& folder);
  // Opens a page of the program's help (a file below ProgramFolder()/help) with the desktop; a
  // page that is missing, or that no browser could be started for, is named in a message.
  void OpenHelpPage(const std::string& page);
  // Tests replace the desktop's URL opener so no browser starts (it answers whether the page
  // opened); null restores it.
  static void SetUrlOpener(std::function<bool(const QUrl&)> opener);
  // How the desktop association is written (tests: another folder, no database updates).
  static void SetRegistrationOptions(const DesktopRegistration::Options& options);

signals:
  // The command-line document that waited for the view's first frame has been opened (or could
  // not be, and an empty 2D document was started).
  void StartDocumentOpened();

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Form_Initialize();
  // Form_Unload: true when the window may close.
  bool Form_Unload();
  void BuildMenus();
  void AddMenuItems(QMenu* menu, const std::vector<MenuSpec>& items);
  QMenu* BuildPopup(const MenuSpec& spec);
  void BuildToolbars();
  void DockBars();
  void ApplyPanes();
  std::vector<struct ButtonExtent> Extents(int toolbar) const;
  void SetMode(bool zoom, bool move, bool rotate);
  void Preset(float roll, float pitch, float yaw);
  void StyleCommand(int property, int32_t value);
  void ProjectionCommand(int32_t projectType);
  void OpenSample(const std::string& relativePath);
  // Form_Load's last step: the command-line document, or an empty 2D document.
  void OpenCommandLineDocument(const std::string& commandLine);
  // The command-line document that waited for the view's first frame.
  void OpenStartDocument();
  void ShowResultText(const std::string& text);

  QWidget* m_inner = nullptr;
  GlView* m_glView = nullptr;
  QListWidget* m_graphList = nullptr;
  QPlainTextEdit* m_result = nullptr;
  SplitterBar* m_verticalSplitter = nullptr;
  SplitterBar* m_horizontalSplitter = nullptr;
  QToolBar* m_toolbars[3] = {nullptr, nullptr, nullptr};
  std::vector<QAction*> m_buttons[3];
  QStatusBar* m_statusBar = nullptr;
  QLabel* m_statusText = nullptr;
  QTimer* m_animationTimer = nullptr;
  QMenu* m_graphEdit = nullptr;
  QMenu* m_funEdit = nullptr;
  std::map<std::string, QAction*, std::less<>> m_items;
  std::map<std::string, QMenu*, std::less<>> m_menus;
  std::map<std::string, std::function<void()>, std::less<>> m_ownHandlers;
  PaneGeometry m_panes;
  bool m_loaded = false;
  bool m_unloaded = false;
  std::optional<std::string> m_startDocument; // waiting for the view's first frame
};
