#pragma once
// The one commit of every graph property dialog (GraphDialogCommit) and the field bindings it
// reads.
//
// A dialog describes its fields as bindings (its DialogFillTable): a control and the graph
// property it stands for, with how the value is shown (text, number, whole number, check box,
// list position, item name, colour swatch, option group). The same bindings fill the dialog from a
// graph (Edit) and read it back (OK), so the two can never disagree. The bindings a dialog gives
// depend on its current form and mode; it gives them again after the user changes those.
//
// Reading: formulas are checked by the formula engine; numbers are evaluated by it, so "-2pi"
// and "pi/2" are numbers; whole numbers are rounded half to even and checked against their
// range; each Min must lie below its Max. A refused field gets a message naming its caption,
// its tab comes to the front and it takes the focus; the dialog stays open with what was typed.
// When editing, a field commits what its control shows once the user has touched the control
// (typed in it, clicked it, picked from it, even the value it already showed) or once it shows
// something else than the fill left there (a selector's handler chose anew); a field nobody
// touched keeps the graph's own value, also where the dialog shows it otherwise, so Edit and OK
// without a change leave the graph exactly as it was.
//
// Committing: adding makes exactly one new graph with the next ID at the end of AllGraphs and of
// ShownGraphs, sampled when its kind comes sampled from the dialog (the add command gives it its
// row and checks it); editing changes the selected graph in place, samples it again, renews its
// row's text and builds and presents the scene once.

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "dialogs/DialogFields.h"
#include "model/Graph.h"

class GraphCommandHost;
class QWidget;

struct FieldBinding {
  enum class Kind {
    Text,    // QLineEdit: a name, as typed
    Formula, // QLineEdit or QPlainTextEdit (line breaks read as blanks): a formula, as typed;
             // must not be empty and must parse
    Real,    // QLineEdit: a number (a formula without variables)
    Whole,   // QLineEdit: a whole number within range
    Check,   // QCheckBox
    Index,   // QComboBox or QListWidget: the property is list position + offset
    Item,    // QComboBox: the text of the chosen item (a name)
    Swatch,  // ColorSwatch: its colour
    Options, // OptionGroup: the code of the selected option (of a Boolean property: 1 True)

    // QComboBox: a real property that is list position + offset; a value the list does not hold
    // leaves the list as it is.
    RealIndex,
  };
  Kind kind;
  QObject* control;
  GraphProp prop;
  int32_t offset = 0;                   // Index
  DialogFields::WholeRange range{0, 0}; // Whole
};

// A Min and a Max that must be in order (by their bindings' properties).
struct OrderedPair {
  GraphProp min, max;
};

using PropertyValue = std::variant<int32_t, float, bool, std::string>;
using PropertyWrites = std::vector<std::pair<GraphProp, PropertyValue>>;

// The fields of one opening of a dialog: fills them, notes which of their controls the user
// touches, and reads them back.
class DialogBindings {
public:
  DialogBindings();
  ~DialogBindings();
  DialogBindings(const DialogBindings&) = delete;
  DialogBindings& operator=(const DialogBindings&) = delete;

  // Writes the graph's values into the controls and remembers what each shows.
  void Fill(const std::vector<FieldBinding>& fields, const Graph& graph);
  // Remembers what the controls show now as what the fill left there: a dialog that shows some
  // fields otherwise than their graph values (a list that lacks the value, a field left as
  // loaded) calls it after setting them, so an untouched field still keeps the graph's value.
  void Remember(const std::vector<FieldBinding>& fields);
  // Notes from now on when the user touches a control that no binding carries (a selector, a
  // slider); filled and remembered controls are watched already.
  void Watch(QObject* control);
  // Whether the user touched a watched control since it was filled (or remembered).
  bool Touched(const QObject* control) const;
  // Counts a control as touched: a choice the user made that stands for its value too.
  void Touch(const QObject* control);
  // The values to write, or nothing after the message of the first refused field. graph is the
  // graph being edited (null when adding): unchanged fields keep its values, and the pairs are
  // judged on its values where a field does not give one.
  std::optional<PropertyWrites> Read(const std::vector<FieldBinding>& fields,
                                     const std::vector<OrderedPair>& pairs,
                                     const Graph* graph) const;

private:
  void Untouched(const std::vector<FieldBinding>& fields);

  std::map<std::pair<const QObject*, GraphProp>, std::string> m_filled;
  std::set<const QObject*> m_watched, m_touched;
  // The receiver of the controls' signals: its end ends the connections with the bindings.
  std::unique_ptr<QObject> m_listener;
};

// The text a number field shows for a value.
std::string FieldText(float value);

// A number typed into a field, evaluated by the formula engine; nothing when it is no number
// (why in *message).
std::optional<float> EvaluateNumberText(const std::string& text, std::string* message);
// Whether a formula typed into a field parses (why not in *message).
bool FormulaParses(const std::string& text, std::string* message);

// What a dialog commits: the kind, coordinate system and form its selectors give, and the fields.
struct CommitRequest {
  int32_t graphType = 0;
  int32_t coordType = 0;
  int32_t funForm = 0;
  bool animation = false;
  PropertyWrites writes;
  // Writes what no field binding carries (the points of a table), after the fields.
  std::function<void(Graph&)> extra;
};

// A graph that the user brings to the "Colormap" fill takes the scheme the box shows, also when
// the box still shows what it opened with (the graph's own name may be empty or another one).
void NameColorSchemeOnColormap(PropertyWrites& writes, const Graph* selected,
                               const QObject* schemeBox);

// Commits a dialog. selected is the graph being edited (EditMode True), null when adding. False,
// with a message and nothing changed, when the graph's samples would not fit in memory.
bool GraphDialogCommit(const CommitRequest& request, const std::shared_ptr<Graph>& selected,
                       GraphCommandHost& host);
