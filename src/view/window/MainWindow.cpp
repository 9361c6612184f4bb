#include "view/window/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <cmath>
#include <stdexcept>
#include <utility>

#include "document/OpenDocument.h"
#include "document/SaveCommands.h"
#include "formula/FormulaGlobals.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/CommandGuard.h"
#include "platform/DesktopRegistration.h"
#include "platform/Errors.h"
#include "platform/Prompter.h"
#include "platform/ShownText.h"
#include "render/common/ResultBox.h"
#include "view/camera/SceneLight.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/Trackball.h"
#include "view/camera/ViewSteps.h"
#include "view/dialogs/AxisDialog.h"
#include "view/dialogs/ViewSettingDialog.h"
#include "view/dialogs/LightDialog.h"
#include "view/dialogs/CalculatorDialog.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"
#include "view/window/NewDocument.h"
#include "view/window/SplitterBar.h"
#include "view/window/ToolbarIcons.h"
#include "view/window/Toolbars.h"
#include "view/window/MainWindowCommands.h"
#include "view/window/MainMenus.h"
#include "view/window/AboutBox.h"

namespace {

MainWindow* g_instance = nullptr;
std::function<bool(const QUrl&)> g_urlOpener;
// The program folder that tests set; empty: the executable's.
QString g_programFolder;
DesktopRegistration::Options g_registration;

// How long the command-line document waits for the view's first frame at most.
constexpr int StartDocumentLatestMs = 3000;

// One guarded step: a step that fails is skipped and the next one runs; what it threw is
// written on stderr.
template <class Step> void Guarded(Step&& step) {
  try {
    step();
  } catch (...) {
    ReportSkippedStep("a step of the main window", CurrentExceptionText());
  }
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The text of a menu item or button as Qt shows it exactly as written: "&" would mark the next
// character as the access key and vanish ("Sine & Cosine"), so it is doubled.
QString Shown(const std::string& caption) { return Q(caption).replace('&', "&&"); }

// Size of the toolbar pictures, pixels.
constexpr int IconPixels = 18;

// The two properties that the graph style buttons of the view toolbar set.
enum StyleProperty { StyleShow = 1, StyleSmoothness = 2 };

// The view toolbar's buttons that have no menu handler: they set the projection or a style of the
// chosen graph.
enum class ViewButtonSets { Projection, Show, Smoothness };
struct ViewButtonCommand {
  std::string_view Key;
  ViewButtonSets Sets;
  int32_t Value;
};
const ViewButtonCommand ViewButtonCommands[] = {
    {"barViewOrtho", ViewButtonSets::Projection, ProjectOrtho},
    {"barViewPer", ViewButtonSets::Projection, ProjectPerspective},
    {"barModelPoint", ViewButtonSets::Show, ModelPoint},
    {"barModelGrid", ViewButtonSets::Show, ModelGrid},
    {"barModelSur", ViewButtonSets::Show, ModelSurface},
    {"bar3DFlat", ViewButtonSets::Smoothness, ShadeFlat},
    {"bar3DSmooth", ViewButtonSets::Smoothness, ShadeSmooth},
    {"bar3DSmoothest", ViewButtonSets::Smoothness, ShadeSmoothest},
};

// The object names of the toolbars, by ToolbarId.
const char* ToolbarObjectName(int toolbar) {
  switch (toolbar) {
  case MainToolbar:
    return "mainToolbar";
  case DrawToolbar:
    return "drawToolbar";
  default:
    return "viewToolbar";
  }
}

} // namespace

// ------------------------------------------------------------------------------------------------
// Creation

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  g_instance = this;
  setObjectName("MainWindow");
  setWindowTitle("Corvalin");
  setWindowIcon(ProgramIcon());
  Form_Initialize();

  m_inner = new QWidget(this);
  m_inner->setObjectName("InnerArea");
  setCentralWidget(m_inner);

  m_graphList = new QListWidget(m_inner);
  m_graphList->setObjectName("graphList");
  m_result = new QPlainTextEdit(m_inner);
  m_result->setObjectName("Result");
  m_result->setReadOnly(true);
  m_glView = new GlView(m_inner);
  m_verticalSplitter = new SplitterBar(SplitterBar::Direction::Vertical, m_inner);
  m_verticalSplitter->setObjectName("verticalSplitter");
  m_horizontalSplitter = new SplitterBar(SplitterBar::Direction::Horizontal, m_inner);
  m_horizontalSplitter->setObjectName("horizontalSplitter");
  m_statusBar = new QStatusBar(m_inner);
  m_statusBar->setObjectName("statusBar");
  m_statusBar->setSizeGripEnabled(false);
  m_statusText = new QLabel(m_statusBar);
  m_statusText->setObjectName("statusText");
  m_statusText->setText(QString::fromStdString(ReadyHint));
  m_statusBar->addWidget(m_statusText, 1);
  m_animationTimer = new QTimer(this);
  m_animationTimer->setObjectName("animationTimer");

  BuildToolbars();
  BuildMenus();

  // Handlers of the controls.
  m_verticalSplitter->MouseDown = [this](int b, double x, double y) {
    OnVerticalSplitterMouseDown(b, x, y);
  };
  m_verticalSplitter->MouseMove = [this](int b, double x, double y) {
    OnVerticalSplitterMouseMove(b, x, y);
  };
  m_verticalSplitter->MouseUp = [this](int b, double x, double y) {
    OnVerticalSplitterMouseUp(b, x, y);
  };
  m_horizontalSplitter->MouseDown = [this](int b, double x, double y) {
    OnHorizontalSplitterMouseDown(b, x, y);
  };
  m_horizontalSplitter->MouseMove = [this](int b, double x, double y) {
    OnHorizontalSplitterMouseMove(b, x, y);
  };
  m_horizontalSplitter->MouseUp = [this](int b, double x, double y) {
    OnHorizontalSplitterMouseUp(b, x, y);
  };
  connect(m_animationTimer, &QTimer::timeout, this,
          [this] { RunGuarded("", [this] { RunHandler("OnAnimationTimer"); }); });
  connect(m_graphList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    // Only a change of the check mark is a check event.
    const int state = static_cast<int>(item->checkState());
    const QVariant last = item->data(Qt::UserRole + 1);
    if (last.isValid() && last.toInt() == state) return;
    item->setData(Qt::UserRole + 1, state);
    if (last.isValid() || state == Qt::Checked)
      RunGuarded("", [this] { RunHandler("OnGraphListCheck"); });
  });
  m_inner->installEventFilter(this);
  m_glView->installEventFilter(this);
  m_graphList->viewport()->installEventFilter(this);

  // The report box shows the drawers' analysis text.
  ResultBox::SetObserver([this](const std::string& text) { ShowResultText(text); });
  ShowResultText(ResultBox::Text());
  SetDialogParent(this);
  // The Axis command brings the view up to date through the window.
  AxisDialogHooks axisHooks;
  axisHooks.Repaint = [this] { View_Paint(); };
  axisHooks.ZoomToFit = [this] { FitViewToGraphs(); };
  axisHooks.Rebuild = [this] { Redraw(); };
  SetAxisDialogHooks(axisHooks);

  // Design geometry: the window's size and the left pane's width.
  resize(1100, 760);
  m_panes.VerticalSplitter.Left = VerticalSplitterDesignLeftTwips;
  m_panes.VerticalSplitter.Width = VerticalSplitterWidthTwips;
  m_panes.HorizontalSplitter.Height = HorizontalSplitterHeightTwips;
  m_panes.HorizontalSplitter.Top = InitialHorizontalSplitterTop(Metrics());
}

MainWindow::~MainWindow() {
  SetAxisDialogHooks({});
  ResultBox::SetObserver(nullptr);
  SetDialogParent(nullptr);
  if (g_instance == this) g_instance = nullptr;
}

MainWindow* MainWindow::Instance() { return g_instance; }

void MainWindow::Form_Initialize() {
  ShowEvaluationErrors = false;
  // The program-wide objects start with their defaults.
  AllGraphs = GraphContainer();
  ShownGraphs = GraphContainer();
  Camera = SceneCamera();
  Light = SceneLight();
  ZoomActive = MoveActive = RotateActive = false;
}

void MainWindow::BuildToolbars() {
  for (int bar : {MainToolbar, DrawToolbar, ViewToolbar}) {
    QToolBar* tb = new QToolBar(m_inner);
    tb->setObjectName(ToolbarObjectName(bar));
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->setIconSize(QSize(IconPixels, IconPixels));
    tb->setOrientation(bar == ViewToolbar ? Qt::Vertical : Qt::Horizontal);
    m_toolbars[bar - 1] = tb;
    for (const ToolbarButtonSpec& spec : ToolbarButtons(bar)) {
      QAction* a = new QAction(tb);
      a->setObjectName(spec.Key);
      if (spec.Separator) {
        a->setSeparator(true);
      } else {
        a->setToolTip(spec.Tooltip);
        a->setText(Shown(spec.Tooltip));
        a->setIcon(ToolbarIcon(spec.Key));
        const std::string key = spec.Key;
        const std::string caption = spec.Tooltip;
        connect(a, &QAction::triggered, this, [this, bar, key, caption] {
          RunGuarded(caption, [&] { OnToolbarButton(bar, key); });
        });
      }
      tb->addAction(a);
      m_buttons[bar - 1].push_back(a);
    }
    // Pointer moves over the toolbar and its buttons (enabled or not) give the hints.
    tb->setMouseTracking(true);
    tb->installEventFilter(this);
    for (QWidget* child : tb->findChildren<QWidget*>()) {
      child->setMouseTracking(true);
      child->installEventFilter(this);
    }
  }
}

void MainWindow::BuildMenus() {
  for (const MenuSpec& top : MenuBarSpec()) {
    QMenu* menu = menuBar()->addMenu(Q(top.Caption));
    menu->setObjectName(Q(top.Name));
    menu->menuAction()->setObjectName(Q(top.Name));
    m_menus[top.Name] = menu;
    m_items[top.Name] = menu->menuAction();
    AddMenuItems(menu, top.Items);
  }
  m_graphEdit = BuildPopup(GraphEditSpec());
  m_funEdit = BuildPopup(FunEditSpec());

  // The window's own handlers; every other name goes to the installed commands.
  auto own = [this](const char* name, void (MainWindow::*handler)()) {
    m_ownHandlers[name] = [this, handler] { (this->*handler)(); };
  };
  own("DragToMove", &MainWindow::DragToMove);
  own("DragToZoom", &MainWindow::DragToZoom);
  own("FitViewToGraphs", &MainWindow::FitViewToGraphs);
  own("DragToRotateAboutX", &MainWindow::DragToRotateAboutX);
  own("DragToRotateAboutY", &MainWindow::DragToRotateAboutY);
  own("DragToRotateAboutZ", &MainWindow::DragToRotateAboutZ);
  own("DragWithTrackball", &MainWindow::DragWithTrackball);
  own("ViewFromFront", &MainWindow::ViewFromFront);
  own("ViewFromRight", &MainWindow::ViewFromRight);
  own("ViewFromTop", &MainWindow::ViewFromTop);
  own("ViewIsometric", &MainWindow::ViewIsometric);
  own("EditViewSettings", &MainWindow::EditViewSettings);
  own("ShowHelpContents", &MainWindow::ShowHelpContents);
  own("ShowHomePage", &MainWindow::ShowHomePage);
  own("ShowCustomerSupport", &MainWindow::ShowCustomerSupport);
  own("ShowVideoTutorials", &MainWindow::ShowVideoTutorials);
  own("ShowTips", &MainWindow::ShowTips);
  own("ShowGallery", &MainWindow::ShowGallery);
  own("ShowAboutBox", &MainWindow::ShowAboutBox);
  own("ViewPopupPasteCopiedGraph", &MainWindow::ViewPopupPasteCopiedGraph);
  own("ViewPopupCopyPictureAsBmp", &MainWindow::ViewPopupCopyPictureAsBmp);
  own("ViewPopupDeleteAllGraphs", &MainWindow::ViewPopupDeleteAllGraphs);
  own("ViewPopupEditAxisSettings", &MainWindow::ViewPopupEditAxisSettings);
  own("ViewPopupEditLightSettings", &MainWindow::ViewPopupEditLightSettings);
  own("New2DDocument", &MainWindow::New2DDocument);
  own("New25DDocument", &MainWindow::New25DDocument);
  own("New3DDocument", &MainWindow::New3DDocument);
  own("New4DDocument", &MainWindow::New4DDocument);
  own("NewSpecialDocument", &MainWindow::NewSpecialDocument);
  own("OpenDocumentFile", &MainWindow::OpenDocumentFile);
  own("SaveDocumentFile", &MainWindow::SaveDocumentFile);
  own("SaveDocumentFileAs", &MainWindow::SaveDocumentFileAs);
  own("PrintView", &MainWindow::PrintView);
  own("ExitProgram", &MainWindow::ExitProgram);
  own("EditLightSettings", &MainWindow::EditLightSettings);
  own("ShowExpressionCalculator", &MainWindow::ShowExpressionCalculator);
  own("EditAxisSettings", &MainWindow::EditAxisSettings);
}

void MainWindow::AddMenuItems(QMenu* menu, const std::vector<MenuSpec>& items) {
  for (const MenuSpec& spec : items) {
    if (spec.IsSeparator()) {
      menu->addSeparator();
      continue;
    }
    if (spec.IsSubMenu()) {
      QMenu* sub = menu->addMenu(Shown(spec.Caption));
      sub->setObjectName(Q(spec.Name));
      sub->menuAction()->setObjectName(Q(spec.Name));
      m_menus[spec.Name] = sub;
      m_items[spec.Name] = sub->menuAction();
      AddMenuItems(sub, spec.Items);
      continue;
    }
    QAction* a = menu->addAction(Shown(spec.Caption));
    a->setObjectName(Q(spec.Name));
    m_items[spec.Name] = a;
    const MenuSpec* item = &spec; // the tables live as long as the program
    connect(a, &QAction::triggered, this, [this, item] {
      RunGuarded(item->Caption, [&] {
        if (!item->SamplePath.empty())
          OpenSample(item->SamplePath);
        else if (!item->HelpPage.empty() && !m_ownHandlers.count(item->Handler))
          OpenHelpPage(item->HelpPage);
        else
          RunHandler(item->Handler);
      });
    });
  }
}

QMenu* MainWindow::BuildPopup(const MenuSpec& spec) {
  QMenu* menu = new QMenu(this);
  menu->setObjectName(Q(spec.Name));
  menu->setTitle(Shown(spec.Caption));
  m_menus[spec.Name] = menu;
  m_items[spec.Name] = menu->menuAction();
  AddMenuItems(menu, spec.Items);
  return menu;
}

// ------------------------------------------------------------------------------------------------
// Controls

QToolBar* MainWindow::Toolbar(int toolbar) const {
  return toolbar >= MainToolbar && toolbar <= ViewToolbar ? m_toolbars[toolbar - 1] : nullptr;
}

QAction* MainWindow::Button(int toolbar, int index) const {
  if (toolbar < MainToolbar || toolbar > ViewToolbar) return nullptr;
  const auto& buttons = m_buttons[toolbar - 1];
  if (index < 1 || index > static_cast<int>(buttons.size())) return nullptr;
  return buttons[index - 1];
}

QAction* MainWindow::Button(int toolbar, std::string_view key) const {
  const ToolbarButtonSpec* button = FindToolbarButton(toolbar, key);
  return button ? Button(toolbar, button->Index) : nullptr;
}

QAction* MainWindow::MenuItem(std::string_view name) const {
  const auto it = m_items.find(name);
  return it == m_items.end() ? nullptr : it->second;
}

QMenu* MainWindow::Menu(std::string_view name) const {
  const auto it = m_menus.find(name);
  return it == m_menus.end() ? nullptr : it->second;
}

QString MainWindow::StatusText() const { return m_statusText->text(); }

void MainWindow::ShowResultText(const std::string& text) {
  // A very long line (a formula of a megabyte) is shown cut short: laying it out would freeze the
  // window for a minute. The report text itself stays whole.
  QString shown = Q(ShortenedLines(text));
  shown.replace("\r\n", "\n");
  // Every drawn graph empties the box first: a scene of many graphs would otherwise rebuild the
  // widget's document once per graph and pass.
  if (m_result->toPlainText() == shown) return;
  m_result->setPlainText(shown);
}

// ------------------------------------------------------------------------------------------------
// Start-up

void MainWindow::Form_Load(const std::string& commandLine, StartDocument open) {
  if (m_loaded) return;
  m_loaded = true;
  // 1. The animation timer waits.
  Guarded([&] {
    m_animationTimer->setInterval(100);
    m_animationTimer->stop();
  });
  // 2. The view's GL set-up; start-up goes on whatever it gives.
  Guarded([&] { Initialize(); });
  // 3. Animation state.
  Guarded([&] { ResetAnimationState(); });
  // 4. The axes are shown.
  Guarded([&] { DocumentAxes().Show = true; });
  // 5. Play mode, scale, view window and the other program-wide defaults.
  Guarded([&] { ResetViewDefaults(); });
  // 6. The horizontal splitter near the bottom of the left pane.
  Guarded([&] { m_panes.HorizontalSplitter.Top = InitialHorizontalSplitterTop(Metrics()); });
  // 7. Edit state (CrLf and TabChar are constants).
  Guarded([&] { ResetEditState(); });
  // 8. Both splitter bars borderless, in front of the other controls.
  Guarded([&] {
    m_verticalSplitter->setFrameShape(QFrame::NoFrame);
    m_verticalSplitter->raise();
    m_horizontalSplitter->setFrameShape(QFrame::NoFrame);
    m_horizontalSplitter->raise();
  });
  // 9. No drag mode; the scene turned by the identity rotation.
  Guarded([&] {
    ResetInteractionState();
    Scene& scene = m_glView->TheScene();
    scene.UseTrackballRotation = false;
    TrackballQuaternion(scene.CurrentRotation, 0, 0, 0, 0);
  });
  // 10. The document type is associated with the program on the desktop.
  Guarded([&] { DesktopRegistration::RegisterAtStartup(g_registration); });
  // 11. The command-line document, or an empty 2D document.
  if (open == StartDocument::AfterFirstFrame && !commandLine.empty()) {
    // Opened once the window is on screen with its view set up, out of the paint that presented
    // the frame; should the view never present one, a little later all the same.
    m_startDocument = commandLine;
    connect(
        m_glView, &QOpenGLWidget::frameSwapped, this,
        [this] { QTimer::singleShot(0, this, [this] { OpenStartDocument(); }); },
        Qt::SingleShotConnection);
    QTimer::singleShot(StartDocumentLatestMs, this, [this] { OpenStartDocument(); });
    return;
  }
  OpenCommandLineDocument(commandLine);
}

void MainWindow::OpenStartDocument() {
  if (!m_startDocument) return;
  const std::string commandLine = *std::exchange(m_startDocument, std::nullopt);
  OpenCommandLineDocument(commandLine);
  emit StartDocumentOpened();
}

void MainWindow::OpenCommandLineDocument(const std::string& commandLine) {
  Guarded([&] {
    if (commandLine.empty()) {
      New2DDocument();
      return;
    }
    std::string problem;
    bool opened = false;
    try {
      opened = OpenDocument(commandLine, *this, &problem);
    } catch (const std::exception& e) {
      problem = e.what();
    }
    if (opened) return;
    // A document that cannot be read still leaves the program with a document to work in.
    MsgBox(OpenFailureMessage(commandLine, problem) + " An empty 2D document is started instead.",
           MsgButtons::OK, MsgIcon::Critical, "Error");
    New2DDocument();
  });
}

// ------------------------------------------------------------------------------------------------
// Layout

double MainWindow::DpiX() const { return m_inner->logicalDpiX(); }
double MainWindow::DpiY() const { return m_inner->logicalDpiY(); }

WindowMetrics MainWindow::Metrics() const {
  // Before the window is shown its inner area has no size of its own yet: it is the window less
  // the menu bar.
  QSize inner = m_inner->size();
  if (!m_inner->testAttribute(Qt::WA_WState_Created) || !isVisible())
    inner = QSize(width(), height() - menuBar()->sizeHint().height());
  WindowMetrics w;
  w.W = PixelsToTwips(inner.width(), DpiX());
  w.H = PixelsToTwips(inner.height(), DpiY());
  w.T = PixelsToTwips(Toolbar(MainToolbar)->sizeHint().height(), DpiY());
  w.S = PixelsToTwips(m_statusBar->sizeHint().height(), DpiY());
  return w;
}

// The toolbars and the status bar keep to their edges, as docked bars do.
void MainWindow::DockBars() {
  const int W = m_inner->width(), H = m_inner->height();
  const int T = Toolbar(MainToolbar)->sizeHint().height();
  const int S = m_statusBar->sizeHint().height();
  Toolbar(MainToolbar)->setGeometry(0, 0, W, T);
  Toolbar(DrawToolbar)->setGeometry(0, T, W, T);
  Toolbar(ViewToolbar)->setGeometry(std::max(0, W - T), 2 * T, T, std::max(0, H - 2 * T - S));
  m_statusBar->setGeometry(0, std::max(0, H - S), W, S);
}

void MainWindow::ApplyPanes() {
  const double dx = DpiX(), dy = DpiY();
  auto place = [&](QWidget* w, const TwipRect& r) {
    const PixelRect p = ToPixels(r, dx, dy);
    w->setGeometry(p.x, p.y, std::max(0, p.width), std::max(0, p.height));
  };
  place(m_verticalSplitter, m_panes.VerticalSplitter);
  place(m_horizontalSplitter, m_panes.HorizontalSplitter);
  place(m_glView, m_panes.GlView);
  place(m_result, m_panes.Result);
  place(m_graphList, m_panes.GraphList);
}

void MainWindow::Form_Resize() {
  Guarded([&] { DockBars(); });
  // The five placements (each skipped when its size would be negative), then the panes follow.
  // The view hands its new size in device pixels to the camera itself as it is resized.
  Guarded([&] {
    m_panes = FormResize(m_panes, Metrics());
    ApplyPanes();
  });
  Guarded([&] { View_Paint(); });
}

void MainWindow::View_Paint() { Display(CurrentFrame); }

// ------------------------------------------------------------------------------------------------
// The scene

bool MainWindow::Initialize() { return m_glView->TheScene().Initialize(); }

void MainWindow::BuildScene() { m_glView->TheScene().BuildScene(); }

void MainWindow::Display(int32_t animStep) { m_glView->TheScene().Display(animStep); }

void MainWindow::Redraw() {
  BuildScene();
  Display(CurrentFrame);
}

// ------------------------------------------------------------------------------------------------
// View commands

void MainWindow::SetMode(bool zoom, bool move, bool rotate) {
  ZoomActive = zoom;
  MoveActive = move;
  RotateActive = rotate;
}

void MainWindow::DragToMove() { SetMode(false, true, false); }
void MainWindow::DragToZoom() { SetMode(true, false, false); }

void MainWindow::DragToRotateAboutX() {
  RotationMode = RotationAboutX;
  SetMode(false, false, true);
}
void MainWindow::DragToRotateAboutY() {
  RotationMode = RotationAboutY;
  SetMode(false, false, true);
}
void MainWindow::DragToRotateAboutZ() {
  RotationMode = RotationAboutZ;
  SetMode(false, false, true);
}
void MainWindow::DragWithTrackball() {
  RotationMode = RotationTrackball;
  SetMode(false, false, true);
}

void MainWindow::Preset(float roll, float pitch, float yaw) {
  ShownGraphs.RotRoll = roll;
  ShownGraphs.RotPitch = pitch;
  ShownGraphs.RotYaw = yaw;
  m_glView->TheScene().UseTrackballRotation = false;
  Redraw();
}

void MainWindow::ViewFromFront() { Preset(ViewFront.Roll, ViewFront.Pitch, ViewFront.Yaw); }
void MainWindow::ViewFromRight() { Preset(ViewRight.Roll, ViewRight.Pitch, ViewRight.Yaw); }
void MainWindow::ViewFromTop() { Preset(ViewTop.Roll, ViewTop.Pitch, ViewTop.Yaw); }
void MainWindow::ViewIsometric() { Preset(ViewIso.Roll, ViewIso.Pitch, ViewIso.Yaw); }

void MainWindow::FitViewToGraphs() {
  if (ShownGraphs.FunSurfs.Count() == 0) return;
  FitCameraAround(ShownGraphs.GetBox(0));
  const FitZoom z = FitZoomFor(DocumentType, ShowLegend);
  Camera.Zoom(z.Factor);
  if (z.Shift) Camera.MoveView(z.ShiftX, 0.0f);
  Redraw();
}

void MainWindow::EditViewSettings() {
  ViewSettingDialog dialog(this);
  dialog.exec();
}

// ------------------------------------------------------------------------------------------------
// Mouse in the view

void MainWindow::View_MouseDown(int button, float X, float Y) {
  if (button == 1) {
    Guarded([&] {
      LastMouseX = X;
      LastMouseY = Y;
    });
    Guarded([&] { Redraw(); });
    // The moves of the drag show a one-pass picture; the release shows the full one again.
    m_glView->TheScene().BeginDrag();
  } else if (button == 2) {
    Guarded([&] {
      m_graphEdit->popup(m_glView->mapToGlobal(QPoint(static_cast<int>(X), static_cast<int>(Y))));
    });
  }
}

void MainWindow::View_MouseMove(int button, float X, float Y) {
  ViewPixelHeight = m_glView->height();
  ViewPixelWidth = m_glView->width();
  if (button != 1) return;
  // A view of no width or height gives no step (and no division by zero).
  if (ZoomActive) {
    const auto factor = ZoomStepFactor(LastMouseY, Y, ViewPixelWidth, ViewPixelHeight);
    if (!factor) return;
    ZoomFactor = *factor;
    LastMouseX = X;
    LastMouseY = Y;
    Camera.Zoom(ZoomFactor);
    Redraw();
  } else if (RotateActive) {
    const auto step = TurnStepFor(LastMouseX, LastMouseY, X, Y, ViewPixelWidth, ViewPixelHeight);
    if (!step) return;
    TrackballQuaternion(LastRotation, step->p1x, step->p1y, step->p2x, step->p2y);
    m_glView->TheScene().UseTrackballRotation = true;
    ApplyTrackballStep();
    LastMouseX = X;
    LastMouseY = Y;
  } else if (MoveActive) {
    const auto step = PanStepFor(LastMouseX, LastMouseY, X, Y, ViewPixelWidth, ViewPixelHeight);
    if (!step) return;
    Camera.MoveView(step->dx, step->dy);
    LastMouseX = X;
    LastMouseY = Y;
    Redraw();
  }
}

void MainWindow::View_MouseUp(int, float, float) {
  const bool dragPicture = m_glView->TheScene().EndDrag();
  if (dragPicture || ZoomActive || MoveActive) Redraw();
}

void MainWindow::ApplyTrackballStep() {
  Scene& scene = m_glView->TheScene();
  CombineRotations(LastRotation, scene.CurrentRotation, scene.CurrentRotation);
  Redraw();
}

// ------------------------------------------------------------------------------------------------
// Toolbars

void MainWindow::OnToolbarButton(int toolbar, std::string_view key) {
  const ToolbarButtonSpec* button = FindToolbarButton(toolbar, key);
  if (!button || button->Separator) return;
  if (*button->Handler) {
    RunHandler(button->Handler);
    return;
  }
  if (toolbar != ViewToolbar) return;
  for (const ViewButtonCommand& command : ViewButtonCommands) {
    if (command.Key != key) continue;
    switch (command.Sets) {
    case ViewButtonSets::Projection:
      ProjectionCommand(command.Value);
      break;
    case ViewButtonSets::Show:
      StyleCommand(StyleShow, command.Value);
      break;
    case ViewButtonSets::Smoothness:
      StyleCommand(StyleSmoothness, command.Value);
      break;
    }
    return;
  }
}

void MainWindow::ProjectionCommand(int32_t projectType) {
  Camera.ProjectType = projectType;
  // The still scene's passes take the camera's projection at presentation: no compilation.
  Display(CurrentFrame);
}

void MainWindow::StyleCommand(int property, int32_t value) {
  if (ShownGraphs.FunSurfs.Count() == 0) return;
  const int row = m_graphList->currentRow();
  const QListWidgetItem* item = row >= 0 ? m_graphList->item(row) : nullptr;
  // No current row is no graph chosen either.
  if (!item || item->checkState() != Qt::Checked || row + 1 > AllGraphs.FunSurfs.Count()) {
    MsgBox("Select a function first.", MsgButtons::OK, MsgIcon::Exclamation, "Warning");
    return;
  }
  EditMode = true;
  const int32_t id = AllGraphs.FunSurfs.Item(row + 1)->ID;
  const int32_t count = ShownGraphs.FunSurfs.Count();
  for (int32_t i = 1; i <= count; ++i) {
    Graph& g = *ShownGraphs.FunSurfs.Item(i);
    if (g.ID != id) continue;
    if (property == StyleShow)
      g.Show = value;
    else
      g.Smoothness = value;
    break;
  }
  Redraw();
}

std::vector<ButtonExtent> MainWindow::Extents(int toolbar) const {
  std::vector<ButtonExtent> extents;
  const QToolBar* tb = m_toolbars[toolbar - 1];
  const bool vertical = toolbar == ViewToolbar;
  const auto& buttons = m_buttons[toolbar - 1];
  for (size_t i = 0; i < buttons.size(); ++i) {
    const QWidget* w = tb->widgetForAction(buttons[i]);
    if (!w || !w->isVisible()) continue;
    const QRect g = w->geometry();
    ButtonExtent e;
    e.Index = static_cast<int>(i) + 1;
    e.Near = static_cast<float>(vertical ? PixelsToTwips(g.top(), DpiY())
                                         : PixelsToTwips(g.left(), DpiX()));
    e.Size = static_cast<float>(vertical ? PixelsToTwips(g.height(), DpiY())
                                         : PixelsToTwips(g.width(), DpiX()));
    extents.push_back(e);
  }
  return extents;
}

void MainWindow::OnToolbarMouseMove(int toolbar, float X, float Y) {
  const QToolBar* tb = m_toolbars[toolbar - 1];
  const QRect g = tb->geometry();
  float cross = 0, barNear = 0, barFar = 0, along = 0;
  if (toolbar == ViewToolbar) {
    const float left = static_cast<float>(PixelsToTwips(g.left(), DpiX()));
    cross = X + left;
    barNear = left;
    barFar = left + static_cast<float>(PixelsToTwips(g.width(), DpiX()));
    along = Y;
  } else {
    const float top = static_cast<float>(PixelsToTwips(g.top(), DpiY()));
    const float mainToolbarHeight =
        static_cast<float>(PixelsToTwips(Toolbar(MainToolbar)->height(), DpiY()));
    cross = toolbar == MainToolbar ? Y : Y + mainToolbarHeight;
    barNear = top;
    barFar = top + static_cast<float>(PixelsToTwips(g.height(), DpiY()));
    along = X;
  }
  const auto hint =
      ToolbarHint(ToolbarButtons(toolbar), cross, barNear, barFar, along, Extents(toolbar));
  if (hint) m_statusText->setText(Q(*hint));
}

// ------------------------------------------------------------------------------------------------
// Splitter bars

void MainWindow::OnVerticalSplitterMouseDown(int, double, double) {
  Guarded([&] { SplitterDragging = true; });
  Guarded([&] { m_verticalSplitter->SetDragging(true); });
}

void MainWindow::OnVerticalSplitterMouseMove(int, double X, double) {
  if (!SplitterDragging) return;
  m_panes.VerticalSplitter.Left += X;
  const PixelRect p = ToPixels(m_panes.VerticalSplitter, DpiX(), DpiY());
  m_verticalSplitter->move(p.x, p.y);
}

void MainWindow::OnVerticalSplitterMouseUp(int, double, double) {
  const WindowMetrics w = Metrics();
  SplitterDragging = false;
  m_verticalSplitter->SetDragging(false);
  m_panes.VerticalSplitter.Left = ClampVerticalSplitterLeft(m_panes.VerticalSplitter.Left, w);
  Form_Resize();
}

void MainWindow::OnHorizontalSplitterMouseDown(int, double, double) {
  Guarded([&] { SplitterDragging = true; });
  Guarded([&] { m_horizontalSplitter->SetDragging(true); });
}

void MainWindow::OnHorizontalSplitterMouseMove(int, double, double Y) {
  if (!SplitterDragging) return;
  m_panes.HorizontalSplitter.Top += Y;
  const PixelRect p = ToPixels(m_panes.HorizontalSplitter, DpiX(), DpiY());
  m_horizontalSplitter->move(p.x, p.y);
}

void MainWindow::OnHorizontalSplitterMouseUp(int, double, double) {
  const WindowMetrics w = Metrics();
  SplitterDragging = false;
  m_horizontalSplitter->SetDragging(false);
  m_panes.HorizontalSplitter.Top = ClampHorizontalSplitterTop(m_panes.HorizontalSplitter.Top, w);
  Form_Resize();
}

// ------------------------------------------------------------------------------------------------
// Help, About, the view's pop-up menu

QString MainWindow::ProgramFolder() {
  return g_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : g_programFolder;
}

void MainWindow::SetProgramFolder(const QString& folder) { g_programFolder = folder; }

void MainWindow::SetUrlOpener(std::function<bool(const QUrl&)> opener) {
  g_urlOpener = std::move(opener);
}

void MainWindow::OpenHelpPage(const std::string& page) {
  const QString path = ProgramFolder() + "/help/" + Q(page);
  const QUrl url = QUrl::fromLocalFile(path);
  bool opened = false;
  if (g_urlOpener) {
    opened = g_urlOpener(url);
  } else if (!QFileInfo::exists(path)) {
    MsgBox("The help page cannot be found:\n" + path.toStdString(), MsgButtons::OK,
           MsgIcon::Exclamation, "Corvalin");
    return;
  } else {
    opened = QDesktopServices::openUrl(url);
  }
  // Where no browser can be started the user is told where the page is, to open it by hand.
  if (!opened)
    MsgBox("No web browser could be started to show the page. It is the file:\n" +
               path.toStdString(),
           MsgButtons::OK, MsgIcon::Information, "Corvalin");
}

void MainWindow::ShowHelpContents() { OpenHelpPage("index.html"); }
void MainWindow::ShowHomePage() { OpenHelpPage("index.html"); }
void MainWindow::ShowCustomerSupport() { OpenHelpPage("support.html"); }
void MainWindow::ShowVideoTutorials() { OpenHelpPage("tutorial.html"); }
void MainWindow::ShowTips() { OpenHelpPage("tips.html"); }
void MainWindow::ShowGallery() { OpenHelpPage("gallery.html"); }

void MainWindow::ShowAboutBox() {
  AboutBox about(this);
  about.exec();
}

void MainWindow::ShowExpressionCalculator() {
  CalculatorDialog calculator(this);
  calculator.exec();
}

void MainWindow::ViewPopupPasteCopiedGraph() { PasteCopiedGraph(); }
void MainWindow::ViewPopupCopyPictureAsBmp() { CopyPictureAsBmp(); }
void MainWindow::ViewPopupDeleteAllGraphs() {
  if (const auto& remove = MainWindowCommands::RemoveAllGraphs()) remove();
}
void MainWindow::ViewPopupEditAxisSettings() { EditAxisSettings(); }
void MainWindow::ViewPopupEditLightSettings() { EditLightSettings(); }

void MainWindow::EditLightSettings() {
  LightDialog dialog(this);
  dialog.exec();
}

void MainWindow::OpenSample(const std::string& relativePath) {
  // The sample replaces the open document after the question File Open asks, so that unsaved
  // graphs are not lost; one that cannot be read is named.
  if (!SaveBeforeReplacing(*this)) return;
  const std::string path = (ProgramFolder() + "/").toStdString() + relativePath;
  std::string problem;
  if (!OpenDocument(path, *this, &problem)) {
    MsgBox(OpenFailureMessage(path, problem), MsgButtons::OK, MsgIcon::Critical, "Error");
    return;
  }
  // A sample is the program's own file: Save asks for a name of the user's own rather than
  // offering to write over it.
  DocumentPath.clear();
}

// ------------------------------------------------------------------------------------------------
// Installed commands

void MainWindow::RunHandler(const std::string& handler) {
  if (handler.empty()) return;
  const auto own = m_ownHandlers.find(handler);
  if (own != m_ownHandlers.end()) {
    own->second();
    return;
  }
  MainWindowCommands::Run(handler);
}

void MainWindow::PasteCopiedGraph() { MainWindowCommands::Run("PasteCopiedGraph"); }
void MainWindow::CopyPictureAsBmp() { MainWindowCommands::Run("CopyPictureAsBmp"); }
void MainWindow::EditAxisSettings() { ShowAxisDialog(this); }

// ------------------------------------------------------------------------------------------------
// File menu

void MainWindow::New2DDocument() { NewDocument(DocumentType2D, *this); }
void MainWindow::New25DDocument() { NewDocument(DocumentType25D, *this); }
void MainWindow::New3DDocument() { NewDocument(DocumentType3D, *this); }
void MainWindow::New4DDocument() { NewDocument(DocumentType4D, *this); }
void MainWindow::NewSpecialDocument() { NewDocument(DocumentTypeSpecial, *this); }
void MainWindow::OpenDocumentFile() { FileOpenCommand(*this); }
void MainWindow::SaveDocumentFile() { SaveDocumentCommand(*this); }
void MainWindow::SaveDocumentFileAs() { SaveAsCommand(*this); }
void MainWindow::PrintView() { PrintCommand(*this); }
void MainWindow::ExitProgram() { close(); }

// ------------------------------------------------------------------------------------------------
// The document commands' host

void MainWindow::RemoveAllGraphs() {
  if (const auto& remove = MainWindowCommands::RemoveAllGraphs()) remove();
}

void MainWindow::EnableCommands(int32_t documentType) {
  if (const auto& enable = MainWindowCommands::EnableCommands()) enable(documentType);
}

void MainWindow::EnableAnimationCommands() { SetAnimationCommandsEnabled(true); }

void MainWindow::SetAnimationCommandsEnabled(bool on) {
  for (const char* key : {"barAnimStart", "barAnimPause", "barAnimStop", "barAnimFirst",
                          "barAnimPre", "barAnimNext", "barAnimLast", "barAnimNormal", "barAnimRev",
                          "barAnimNormalRepeat", "barAnimRevRepeat"})
    if (QAction* a = Button(MainToolbar, key)) a->setEnabled(on);
  for (const char* name :
       {"mnuAniStartb", "mnuAniPause", "mnuAniStop", "mnuAniFirst", "mnuAniPre", "mnuAniNext",
        "mnuAniLast", "mnuAniNormal", "mnuAniRev", "mnuAniRepeat", "mnuAniRevRepeat"})
    if (QAction* a = MenuItem(name)) a->setEnabled(on);
}

void MainWindow::AddListRow(const std::string& caption) {
  auto* item = new QListWidgetItem(Q(ShortenedLine(caption)));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Unchecked);
  item->setData(Qt::UserRole + 1, static_cast<int>(Qt::Unchecked));
  m_graphList->addItem(item);
}

void MainWindow::SetListRowChecked(int32_t row, bool checked) {
  QListWidgetItem* item = row >= 0 ? m_graphList->item(row) : nullptr;
  if (!item) throw std::out_of_range("the graph list has no row " + std::to_string(row));
  const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
  if (item->checkState() == state) {
    // Setting the mark a row already has still raises the check event.
    RunHandler("OnGraphListCheck");
    return;
  }
  item->setCheckState(state);
}

void MainWindow::CheckAllListRows(int32_t count) {
  // Every mark is set without its own check event; the one event then walks all rows.
  if (count <= 0) return;
  {
    const QSignalBlocker quiet(m_graphList);
    for (int32_t row = 0; row < count; ++row) {
      QListWidgetItem* item = m_graphList->item(row);
      if (!item) throw std::out_of_range("the graph list has no row " + std::to_string(row));
      item->setCheckState(Qt::Checked);
      item->setData(Qt::UserRole + 1, static_cast<int>(Qt::Checked));
    }
  }
  RunHandler("OnGraphListCheck");
}

void MainWindow::SetUseTrackballRotation(bool on) {
  m_glView->TheScene().UseTrackballRotation = on;
}

void MainWindow::DragModesOff() { SetMode(false, false, false); }

void MainWindow::SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) {
  AnimationOptionsFrameCount = frameCount;
  AnimationOptionsFramesPerSecond = framesPerSecond;
}

void MainWindow::HoldSceneUpdates() { m_glView->TheScene().HoldUpdates(); }

void MainWindow::ReleaseSceneUpdates() { m_glView->TheScene().ReleaseUpdates(); }

void MainWindow::Refresh() {
  // While the scene is held, the repaint waits for the one presentation at its release.
  if (!m_glView->TheScene().UpdatesHeld()) repaint();
  View_Paint();
}

void MainWindow::ZoomToFit() { FitViewToGraphs(); }

void MainWindow::RefreshAssociation() { DesktopRegistration::RefreshAfterSave(g_registration); }

void MainWindow::SetRegistrationOptions(const DesktopRegistration::Options& options) {
  g_registration = options;
}

bool MainWindow::SaveViewAsBmp(const std::string& path, std::string* problem) {
  // The view's own pixels, in device pixels.
  const qreal ratio = m_glView->devicePixelRatioF();
  const int w = static_cast<int>(std::lround(m_glView->width() * ratio));
  const int h = static_cast<int>(std::lround(m_glView->height() * ratio));
  if (w <= 0 || h <= 0) {
    if (problem) *problem = "the view has no pixels to save";
    return false;
  }
  return m_glView->SaveViewAsBmp(path, w - 1, h, problem);
}

QImage MainWindow::ViewImage() {
  if (!m_glView->Ready()) return QImage();
  return m_glView->grabFramebuffer();
}

// ------------------------------------------------------------------------------------------------
// Shutdown

bool MainWindow::Form_Unload() {
  if (m_unloaded) return true;
  // Every other window goes first, the most recent first.
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QWidget* w = *it;
    if (w == this || !w->isWindow()) continue;
    const Qt::WindowType type = w->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop) continue;
    if (qobject_cast<QDialog*>(w) || qobject_cast<QMainWindow*>(w)) w->close();
  }
  // The document's graphs are offered for saving. A save that is cancelled or fails keeps the
  // window open, so the graphs are not lost.
  if (AllGraphs.FunSurfs.Count() > 0) {
    const MsgResult answer =
        MsgBox("Do you want to save the graphs?", MsgButtons::YesNo, MsgIcon::Exclamation, "Note");
    if (answer == MsgResult::Yes) {
      SaveCompleted = false;
      SaveDocumentFile();
      if (!SaveCompleted) return false;
    }
  }
  m_animationTimer->stop();
  m_unloaded = true;
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (Form_Unload())
    event->accept();
  else
    event->ignore();
}

// ------------------------------------------------------------------------------------------------
// Events of the controls

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == m_inner && type == QEvent::Resize) {
    Form_Resize();
    return false;
  }
  if (watched == m_glView) {
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
        type == QEvent::MouseButtonRelease) {
      auto* me = static_cast<QMouseEvent*>(event);
      const float x = static_cast<float>(me->position().x());
      const float y = static_cast<float>(me->position().y());
      RunGuarded("", [&] {
        if (type == QEvent::MouseButtonPress) View_MouseDown(ButtonCode(me->button()), x, y);
        if (type == QEvent::MouseMove) View_MouseMove(ButtonCode(me->buttons()), x, y);
        if (type == QEvent::MouseButtonRelease) View_MouseUp(ButtonCode(me->button()), x, y);
      });
    }
    return false;
  }
  if (watched == m_graphList->viewport() && type == QEvent::MouseButtonPress) {
    auto* me = static_cast<QMouseEvent*>(event);
    if (me->button() == Qt::RightButton) {
      // The pop-up acts on the current row: the row clicked becomes current first, so "Edit...",
      // "Cut" and "Delete" reach the graph under the pointer. A click below the rows keeps it.
      if (QListWidgetItem* row = m_graphList->itemAt(me->position().toPoint()))
        m_graphList->setCurrentItem(row);
      m_funEdit->popup(me->globalPosition().toPoint());
      return true;
    }
    return false;
  }
  if (type == QEvent::MouseMove) {
    for (int bar : {MainToolbar, DrawToolbar, ViewToolbar}) {
      QToolBar* tb = m_toolbars[bar - 1];
      auto* w = qobject_cast<QWidget*>(watched);
      if (!w || (w != tb && !tb->isAncestorOf(w))) continue;
      auto* me = static_cast<QMouseEvent*>(event);
      const QPointF pos = w == tb ? me->position() : w->mapTo(tb, me->position());
      const float x = static_cast<float>(PixelsToTwips(pos.x(), DpiX()));
      const float y = static_cast<float>(PixelsToTwips(pos.y(), DpiY()));
      OnToolbarMouseMove(bar, x, y);
      break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}
