#include "dialogs/GraphDialogCommit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTabWidget>

#include <cmath>

#include "commands/AddGraphCommands.h"
#include "commands/GraphCommandHost.h"
#include "dialogs/DialogSections.h"
#include "formula/CompiledFormula.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"
#include "sampling/Sampling.h"

namespace {

using Kind = FieldBinding::Kind;

int32_t ListPosition(const QObject* control) {
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentIndex();
  if (auto* list = qobject_cast<const QListWidget*>(control)) return list->currentRow();
  return -1;
}

void SetListPosition(QObject* control, int32_t position) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentIndex(position);
  if (auto* list = qobject_cast<QListWidget*>(control)) list->setCurrentRow(position);
}

// What a control shows, as one text: compared with what the fill left there.
std::string ShownState(const FieldBinding& f) {
  switch (f.kind) {
  case Kind::Text:
  case Kind::Formula:
  case Kind::Real:
  case Kind::Whole:
    // A box of several lines holds one text: its line breaks are blanks.
    if (auto* lines = qobject_cast<const QPlainTextEdit*>(f.control))
      return lines->toPlainText().replace('\n', ' ').toStdString();
    return static_cast<QLineEdit*>(f.control)->text().toStdString();
  case Kind::Check:
    return static_cast<QCheckBox*>(f.control)->isChecked() ? "1" : "0";
  case Kind::Index:
  case Kind::RealIndex:
    return std::to_string(ListPosition(f.control));
  case Kind::Item:
    return static_cast<QComboBox*>(f.control)->currentText().toStdString();
  case Kind::Swatch:
    return std::to_string(static_cast<ColorSwatch*>(f.control)->Color());
  case Kind::Options:
    return std::to_string(static_cast<OptionGroup*>(f.control)->Code());
  }
  return {};
}

// The caption a field carries: its label (the buddy that names it) or its own text.
std::string Caption(const QObject* control) {
  const QWidget* widget = qobject_cast<const QWidget*>(control);
  if (!widget) return {};
  if (widget->parentWidget())
    for (const QLabel* label : widget->parentWidget()->findChildren<QLabel*>())
      if (label->buddy() == widget) return label->text().toStdString();
  if (auto* check = qobject_cast<const QCheckBox*>(widget)) return check->text().toStdString();
  return widget->objectName().toStdString();
}

// Brings the tab that holds the control to the front and gives it the focus.
void Reveal(QObject* control) {
  auto* widget = qobject_cast<QWidget*>(control);
  if (!widget) return;
  for (QWidget* page = widget; page && page->parentWidget(); page = page->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget())) {
      const int index = tabs->indexOf(page);
      if (index >= 0) tabs->setCurrentIndex(index);
    }
  widget->setFocus();
  if (auto* box = qobject_cast<QLineEdit*>(widget)) box->selectAll();
  if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) lines->selectAll();
}

void Refuse(QObject* control, const std::string& message) {
  MsgBox(message, MsgButtons::OK, MsgIcon::Exclamation, "Error");
  Reveal(control);
}

bool IsBoolean(GraphProp prop) { return PropertyInfo(prop).kind == PropKind::Boolean; }

// The number a property holds after the writes (or in the graph, or by default).
float NumberAfter(GraphProp prop, const PropertyWrites& writes, const Graph* graph) {
  for (const auto& [p, value] : writes)
    if (p == prop) {
      if (const float* f = std::get_if<float>(&value)) return *f;
      if (const int32_t* i = std::get_if<int32_t>(&value)) return static_cast<float>(*i);
    }
  if (graph) return graph->GetReal(prop);
  return static_cast<float>(PropertyInfo(prop).defaultNumber);
}

const FieldBinding* FieldOf(const std::vector<FieldBinding>& fields, GraphProp prop) {
  for (const FieldBinding& f : fields)
    if (f.prop == prop) return &f;
  return nullptr;
}

void Apply(Graph& g, const PropertyWrites& writes) {
  for (const auto& [prop, value] : writes) {
    if (const int32_t* i = std::get_if<int32_t>(&value))
      g.SetInt(prop, *i);
    else if (const float* f = std::get_if<float>(&value))
      g.SetReal(prop, *f);
    else if (const bool* b = std::get_if<bool>(&value))
      g.SetBool(prop, *b);
    else
      g.SetText(prop, std::get<std::string>(value));
  }
}

// The kinds whose dialog leaves a new graph sampled (the others are sampled by their command).
bool SampledByDialog(int32_t graphType) {
  switch (graphType) {
  case Curve2D:
  case Curve2DAnimation:
  case Ribbon25D:
  case Ribbon25DAnimation:
  case PointAnimation:
  case PointMarker:
  case StepStemPlot:
    return true;
  default:
    return false;
  }
}

} // namespace

std::string FieldText(float value) { return NumberText::FormatSingle(value); }

std::optional<float> EvaluateNumberText(const std::string& text, std::string* message) {
  std::string postfix, why;
  const std::string formula = InsertImplicitProducts(text);
  bool blank = true;
  for (char c : text)
    if (c != ' ' && c != '\t') blank = false;
  if (blank) {
    if (message) *message = "is empty";
    return std::nullopt;
  }
  // A refusal at the very first character comes back as position 0 with its reason.
  if (FormulaParser::ParseQuietly(formula, postfix, &why) != 0 || !why.empty()) {
    if (message) *message = "is not a number";
    return std::nullopt;
  }
  try {
    const CompiledFormula compiled(postfix);
    // A number names no variable: it gives the same value whatever the variables hold.
    FormulaVars other;
    other.U = other.V = other.X = other.Y = other.Z = other.A = other.R = other.B = other.T = 1.5f;
    other.N = 3;
    const EvalOutcome a = compiled.Run(FormulaVars{});
    const EvalOutcome b = compiled.Run(other);
    if (a.fault != EvalFault::None || !std::isfinite(a.value) || a.value == UndefinedValue) {
      if (message) *message = "has no value";
      return std::nullopt;
    }
    if (b.fault != EvalFault::None || b.value != a.value) {
      if (message) *message = "must be a number, not a formula of a variable";
      return std::nullopt;
    }
    return a.value;
  } catch (const std::exception&) {
    if (message) *message = "is not a number";
    return std::nullopt;
  }
}

bool FormulaParses(const std::string& text, std::string* message) {
  bool blank = true;
  for (char c : text)
    if (c != ' ' && c != '\t') blank = false;
  if (blank) {
    if (message) *message = "is empty";
    return false;
  }
  std::string postfix, why;
  if (FormulaParser::ParseQuietly(InsertImplicitProducts(text), postfix, &why) != 0 ||
      !why.empty()) {
    if (message) *message = "cannot be read: " + why;
    return false;
  }
  return true;
}

DialogBindings::DialogBindings() : m_listener(std::make_unique<QObject>()) {}

DialogBindings::~DialogBindings() = default;

void DialogBindings::Watch(QObject* control) {
  if (!control || !m_watched.insert(control).second) return;
  QObject* listener = m_listener.get();
  auto touched = [this, control] { m_touched.insert(control); };
  // Only what the user does counts: typing, clicking, picking (a programme that sets a value
  // emits none of these signals).
  if (auto* box = qobject_cast<QLineEdit*>(control)) {
    QObject::connect(box, &QLineEdit::textEdited, listener, touched);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(control)) {
    // A box of several lines tells no typing apart; the fill and Remember forget what it says.
    QObject::connect(lines, &QPlainTextEdit::textChanged, listener, touched);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    QObject::connect(combo, &QComboBox::activated, listener, touched);
    if (combo->lineEdit())
      QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, listener, touched);
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    QObject::connect(list, &QListWidget::clicked, listener, touched);
    QObject::connect(list, &QListWidget::currentRowChanged, listener, touched);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    QObject::connect(button, &QAbstractButton::clicked, listener, touched);
  } else if (auto* swatch = qobject_cast<ColorSwatch*>(control)) {
    QObject::connect(swatch, &ColorSwatch::colorChosen, listener, touched);
  } else if (auto* options = qobject_cast<OptionGroup*>(control)) {
    QObject::connect(options, &OptionGroup::picked, listener, touched);
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
    QObject::connect(slider, &QAbstractSlider::actionTriggered, listener, touched);
  }
  // A control that goes first (a dialog's children) leaves no stale mark behind.
  QObject::connect(control, &QObject::destroyed, listener, [this, control] {
    m_watched.erase(control);
    m_touched.erase(control);
  });
}

bool DialogBindings::Touched(const QObject* control) const { return m_touched.count(control) > 0; }

void DialogBindings::Touch(const QObject* control) { m_touched.insert(control); }

void DialogBindings::Untouched(const std::vector<FieldBinding>& fields) {
  for (const FieldBinding& f : fields) {
    Watch(f.control);
    m_touched.erase(f.control);
  }
}

void DialogBindings::Fill(const std::vector<FieldBinding>& fields, const Graph& g) {
  for (const FieldBinding& f : fields) {
    switch (f.kind) {
    case Kind::Text:
    case Kind::Formula:
      if (auto* lines = qobject_cast<QPlainTextEdit*>(f.control))
        lines->setPlainText(QString::fromStdString(g.GetText(f.prop)));
      else
        static_cast<QLineEdit*>(f.control)->setText(QString::fromStdString(g.GetText(f.prop)));
      break;
    case Kind::Real:
      static_cast<QLineEdit*>(f.control)->setText(
          QString::fromStdString(FieldText(g.GetReal(f.prop))));
      break;
    case Kind::Whole:
      static_cast<QLineEdit*>(f.control)->setText(QString::number(g.GetInt(f.prop)));
      break;
    case Kind::Check:
      static_cast<QCheckBox*>(f.control)->setChecked(g.GetBool(f.prop));
      break;
    case Kind::Index:
      // A value the list does not offer selects nothing; the graph keeps it unless the user picks.
      SetListPosition(f.control, g.GetInt(f.prop) - f.offset);
      break;
    case Kind::RealIndex: {
      const float position = g.GetReal(f.prop) - static_cast<float>(f.offset);
      auto* combo = static_cast<QComboBox*>(f.control);
      if (position >= 0 && position < static_cast<float>(combo->count()) &&
          position == std::floor(position))
        combo->setCurrentIndex(static_cast<int>(position));
      break;
    }
    case Kind::Item: {
      // A name the list does not hold shows as typed in a box that takes typing; otherwise, and
      // for an empty name, the box keeps the name it opened with. Either way the graph keeps its
      // own name unless the user picks another.
      auto* combo = static_cast<QComboBox*>(f.control);
      const QString name = QString::fromStdString(g.GetText(f.prop));
      const int position = combo->findText(name, Qt::MatchFixedString);
      if (position >= 0)
        combo->setCurrentIndex(position);
      else if (!name.trimmed().isEmpty() && combo->isEditable())
        combo->setEditText(name);
      break;
    }
    case Kind::Swatch:
      static_cast<ColorSwatch*>(f.control)->SetColor(g.GetInt(f.prop));
      break;
    case Kind::Options:
      static_cast<OptionGroup*>(f.control)->SetCode(IsBoolean(f.prop) ? int32_t{g.GetBool(f.prop)}
                                                                      : g.GetInt(f.prop));
      break;
    }
    m_filled[{f.control, f.prop}] = ShownState(f);
  }
  Untouched(fields);
}

void DialogBindings::Remember(const std::vector<FieldBinding>& fields) {
  for (const FieldBinding& f : fields)
    m_filled[{f.control, f.prop}] = ShownState(f);
  Untouched(fields);
}

std::optional<PropertyWrites> DialogBindings::Read(const std::vector<FieldBinding>& fields,
                                                   const std::vector<OrderedPair>& pairs,
                                                   const Graph* graph) const {
  PropertyWrites writes;
  for (const FieldBinding& f : fields) {
    if (graph) {
      // Untouched and as filled: the graph keeps its own value, whatever the control shows.
      const auto filled = m_filled.find({f.control, f.prop});
      if (filled != m_filled.end() && !Touched(f.control) && filled->second == ShownState(f))
        continue;
    }
    const std::string caption = "\"" + Caption(f.control) + "\"";
    std::string why;
    switch (f.kind) {
    case Kind::Text:
      writes.emplace_back(f.prop, ShownState(f));
      break;
    case Kind::Formula: {
      const std::string text = ShownState(f);
      if (!FormulaParses(text, &why)) {
        Refuse(f.control, "The formula " + caption + " " + why + ".");
        return std::nullopt;
      }
      writes.emplace_back(f.prop, text);
      break;
    }
    case Kind::Real: {
      const std::optional<float> value = EvaluateNumberText(ShownState(f), &why);
      if (!value) {
        Refuse(f.control, caption + " " + why + ".");
        return std::nullopt;
      }
      writes.emplace_back(f.prop, *value);
      break;
    }
    case Kind::Whole: {
      const std::optional<float> value = EvaluateNumberText(ShownState(f), &why);
      const double whole = value ? NumberText::RoundHalfEven(*value) : 0.0;
      if (!value || whole < f.range.min || whole > f.range.max) {
        Refuse(f.control, caption + " must be a whole number from " + std::to_string(f.range.min) +
                              " to " + std::to_string(f.range.max) + ".");
        return std::nullopt;
      }
      writes.emplace_back(f.prop, static_cast<int32_t>(whole));
      break;
    }
    case Kind::Check:
      writes.emplace_back(f.prop, ShownState(f) == "1");
      break;
    case Kind::Index: {
      const int32_t position = ListPosition(f.control);
      if (position < 0) {
        Refuse(f.control, "Choose an item of " + caption + ".");
        return std::nullopt;
      }
      writes.emplace_back(f.prop, position + f.offset);
      break;
    }
    case Kind::RealIndex: {
      const int32_t position = ListPosition(f.control);
      if (position < 0) {
        Refuse(f.control, "Choose an item of " + caption + ".");
        return std::nullopt;
      }
      writes.emplace_back(f.prop, static_cast<float>(position + f.offset));
      break;
    }
    case Kind::Item:
      // An empty name is never committed: the graph keeps the one it has.
      if (!QString::fromStdString(ShownState(f)).trimmed().isEmpty())
        writes.emplace_back(f.prop, ShownState(f));
      break;
    case Kind::Swatch:
      writes.emplace_back(f.prop, static_cast<ColorSwatch*>(f.control)->Color());
      break;
    case Kind::Options: {
      const int32_t code = static_cast<OptionGroup*>(f.control)->Code();
      if (IsBoolean(f.prop))
        writes.emplace_back(f.prop, code != 0);
      else
        writes.emplace_back(f.prop, code);
      break;
    }
    }
  }
  auto written = [&writes](GraphProp prop) {
    for (const auto& write : writes)
      if (write.first == prop) return true;
    return false;
  };
  for (const OrderedPair& pair : pairs) {
    const FieldBinding* min = FieldOf(fields, pair.min);
    const FieldBinding* max = FieldOf(fields, pair.max);
    if (!min || !max) continue;
    // An edited graph's own pair, left as it was, is not judged again.
    if (graph && !written(pair.min) && !written(pair.max)) continue;
    if (!(NumberAfter(pair.min, writes, graph) < NumberAfter(pair.max, writes, graph))) {
      Refuse(min->control, "\"" + Caption(min->control) + "\" must be less than \"" +
                               Caption(max->control) + "\".");
      return std::nullopt;
    }
  }
  return writes;
}

void NameColorSchemeOnColormap(PropertyWrites& writes, const Graph* selected,
                               const QObject* schemeBox) {
  auto* combo = qobject_cast<const QComboBox*>(schemeBox);
  if (!selected || !combo) return;
  bool toColormap = false;
  for (const auto& [prop, value] : writes) {
    if (prop == GraphProp::ColorName) return;
    if (prop == GraphProp::FillStyle) {
      const int32_t* code = std::get_if<int32_t>(&value);
      toColormap = code && *code == ColorMapFill;
    }
  }
  const std::string name = combo->currentText().trimmed().toStdString();
  if (toColormap && !name.empty()) writes.emplace_back(GraphProp::ColorName, name);
}

bool GraphDialogCommit(const CommitRequest& request, const std::shared_ptr<Graph>& selected,
                       GraphCommandHost& host) {
  // The new state is built on a scratch graph first, so a refusal leaves everything as it was.
  Graph scratch;
  if (selected) {
    scratch.StepU = selected->StepU, scratch.StepV = selected->StepV,
    scratch.StepW = selected->StepW;
    scratch.ShowSurPX = selected->ShowSurPX, scratch.ShowSurPY = selected->ShowSurPY;
    scratch.ShowJO = selected->ShowJO;
  }
  Apply(scratch, request.writes);
  if (!SamplingCountsFit(request.graphType, request.funForm, request.coordType, scratch.StepU,
                         scratch.StepV, scratch.StepW, FrameCount, scratch.ShowSurPX,
                         scratch.ShowSurPY, scratch.ShowJO)) {
    MsgBox(std::string(SamplingTooLargeMessage), MsgButtons::OK, MsgIcon::Exclamation, "Error");
    return false;
  }

  std::shared_ptr<Graph> g = selected ? selected : std::make_shared<Graph>();
  // An edited graph keeps its animation flag (the dialog keeps its kind).
  if (!selected || g->GraphType != request.graphType) g->Animation = request.animation;
  g->GraphType = request.graphType;
  g->CoordType = request.coordType;
  g->FunForm = request.funForm;
  Apply(*g, request.writes);
  if (request.extra) request.extra(*g);

  if (!selected) {
    // Formulas the kind does not use hold "0", as documents store them: sampling compiles them.
    for (std::string* unused : {&g->ExpressX, &g->ExpressY, &g->ExpressZ})
      if (unused->empty()) *unused = "0";
    g->ID = ++GraphIdCounter;
    AllGraphs.FunSurfs.Add(g);
    ShownGraphs.FunSurfs.Add(g);
    if (SampledByDialog(g->GraphType)) host.SampleGraph(*g);
    return true;
  }

  // Tables and vectors are never sampled: their points are their own.
  if (GraphKind(*g).SampledWhenShown) host.SampleGraph(*g);
  const int32_t row = AllGraphs.FunSurfs.PositionOf(GraphKey(*g)) - 1;
  if (row >= 0) host.SetListRowCaption(row, AddedGraphCaption(*g, DocumentType));
  PlaybackFollowsShownGraphs(host);
  host.BuildScene();
  host.Display(CurrentFrame);
  return true;
}
