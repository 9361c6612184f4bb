#include "dialogs/DialogSections.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Prompter.h"
#include "render/common/MaterialColors.h"

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ColorSwatch::ColorSwatch(QWidget* parent, const char* name, int32_t color) : ColorBox(parent) {
  setObjectName(name);
  SetColor(color);
  setMinimumSize(48, 20);
  connect(this, &ColorBox::clicked, this, &ColorSwatch::Choose);
}

void ColorSwatch::Choose() {
  const std::optional<int32_t> chosen = TheColorChooser().ChooseColor(Color());
  if (!chosen) return;
  SetColor(*chosen);
  emit colorChosen(*chosen);
}

OptionGroup::OptionGroup(QWidget* parent, const char* title,
                         std::span<const DialogFields::Option> options,
                         std::span<const char* const> names)
    : QWidget(parent), m_group(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget* holder = this;
  QVBoxLayout* inner = layout;
  if (title) {
    auto* frame = new QGroupBox(Q(title), this);
    layout->addWidget(frame);
    holder = frame;
    inner = new QVBoxLayout(frame);
  }
  for (size_t i = 0; i < options.size(); ++i) {
    auto* button = Named(new QRadioButton(Q(options[i].caption), holder), names[i]);
    m_group->addButton(button, options[i].code);
    inner->addWidget(button);
  }
  inner->addStretch();
}

int32_t OptionGroup::Code() const { return m_group->checkedId() < 0 ? 0 : m_group->checkedId(); }

bool OptionGroup::SetCode(int32_t code) {
  QAbstractButton* button = m_group->button(code);
  if (!button) return false;
  button->setChecked(true);
  return true;
}

QRadioButton* OptionGroup::Button(int32_t code) const {
  return qobject_cast<QRadioButton*>(m_group->button(code));
}

FormulaSection::FormulaSection(QWidget* parent, QGridLayout* grid, int row,
                               std::array<const char*, 2> labelNames,
                               std::array<const char*, 2> fieldNames) {
  for (int i = 0; i < 2; ++i) {
    label[i] = Named(new QLabel(parent), labelNames[i]);
    field[i] = Named(new QLineEdit(parent), fieldNames[i]);
    label[i]->setBuddy(field[i]);
    grid->addWidget(label[i], row + i, 0);
    grid->addWidget(field[i], row + i, 1, 1, 3);
  }
}

void FormulaSection::Relabel(std::string_view first, std::string_view second) {
  label[0]->setText(Q(first));
  if (!second.empty()) label[1]->setText(Q(second));
  ShowSecond(!second.empty());
}

void FormulaSection::ShowSecond(bool shown) {
  label[1]->setVisible(shown);
  field[1]->setVisible(shown);
}

DomainRow::DomainRow(QWidget* parent, QGridLayout* grid, int row,
                     std::array<const char*, 3> labelNames, std::array<const char*, 3> fieldNames,
                     std::array<std::string_view, 3> captions,
                     std::array<std::string_view, 3> texts) {
  for (int i = 0; i < 3; ++i) {
    if (!labelNames[i]) continue;
    label[i] = Named(new QLabel(Q(captions[i]), parent), labelNames[i]);
    field[i] = Named(new QLineEdit(Q(texts[i]), parent), fieldNames[i]);
    label[i]->setBuddy(field[i]);
    grid->addWidget(label[i], row, i);
    grid->addWidget(field[i], row + 1, i);
  }
}

void DomainRow::Relabel(std::string_view min, std::string_view max, std::string_view steps) {
  label[0]->setText(Q(min));
  label[1]->setText(Q(max));
  if (label[2] && !steps.empty()) label[2]->setText(Q(steps));
}

void DomainRow::SetPairVisible(bool shown) {
  for (int i = 0; i < 2; ++i) {
    label[i]->setVisible(shown);
    field[i]->setVisible(shown);
  }
}

void DomainRow::SetStepsVisible(bool shown) {
  if (!label[2]) return;
  label[2]->setVisible(shown);
  field[2]->setVisible(shown);
}

void DomainRow::SetVisible(bool shown) {
  SetPairVisible(shown);
  SetStepsVisible(shown);
}

bool DomainRow::Visible() const { return !label[0]->isHidden(); }

RibbonStyle::RibbonStyle(QTabWidget* tabs) {
  using namespace DialogFields;
  // "Color": the fill styles, the colour map beside "Colormap", the swatch beside "Single" and
  // the two gradient colours.
  auto* color = new QWidget(tabs);
  auto* grid = new QGridLayout(color);
  static constexpr const char* fillNames[] = {"Option1", "Option3", "Option2", "Option4",
                                              "Option11"};
  fillStyle = new OptionGroup(color, nullptr, FillStyles, fillNames);
  fillStyle->SetCode(FillStyleOnLoad);
  grid->addWidget(fillStyle, 0, 0, 5, 1);
  single = new ColorSwatch(color, "Picture4", RibbonSecondColorOnLoad);
  grid->addWidget(single, 3, 1);
  colorScheme = Named(new QComboBox(color), "Combo3");
  AddItems(colorScheme, ColorSchemes);
  colorScheme->setCurrentIndex(0);
  grid->addWidget(colorScheme, 4, 1);
  grid->addWidget(Named(new QLabel("First color", color), "Label1"), 5, 0);
  first = new ColorSwatch(color, "Picture2", RibbonFirstColorOnLoad);
  grid->addWidget(first, 5, 1);
  grid->addWidget(Named(new QLabel("Second color", color), "Label5"), 6, 0);
  second = new ColorSwatch(color, "Picture3", RibbonSecondColorOnLoad);
  grid->addWidget(second, 6, 1);
  grid->setRowStretch(7, 1);
  tabs->addTab(color, "Color");
  // "Single" and "Second color" both stand for the second colour: a choice in one shows in both.
  QObject::connect(single, &ColorSwatch::colorChosen, second, &ColorBox::SetColor);
  QObject::connect(second, &ColorSwatch::colorChosen, single, &ColorBox::SetColor);

  auto* materialPage = new QWidget(tabs);
  auto* materialLayout = new QVBoxLayout(materialPage);
  materialLayout->addWidget(Named(new QLabel("Select a material type", materialPage), "Label7"));
  material = Named(new QListWidget(materialPage), "List1");
  AddItems(material, MaterialPresetNames);
  material->setCurrentRow(MaterialOnLoad - 1);
  materialLayout->addWidget(material);
  tabs->addTab(materialPage, "Material");

  auto* appearance = new QWidget(tabs);
  auto* row = new QHBoxLayout(appearance);
  static constexpr const char* showNames[] = {"Option5", "Option6", "Option7"};
  static constexpr const char* smoothNames[] = {"Option8", "Option9", "Option10"};
  show = new OptionGroup(appearance, "Show", DisplayModels, showNames);
  smooth = new OptionGroup(appearance, "Smooth", Shadings, smoothNames);
  show->SetCode(DisplayModelOnLoad);
  smooth->SetCode(ShadingOnLoad);
  row->addWidget(show);
  row->addWidget(smooth);
  tabs->addTab(appearance, "Appearance");
}

LabelledFields::LabelledFields(QWidget* parent, QGridLayout* grid, int row,
                               std::span<const char* const> labelNames,
                               std::span<const char* const> fieldNames,
                               std::span<const std::string_view> captions, bool inRow) {
  for (size_t i = 0; i < fieldNames.size(); ++i) {
    label.push_back(Named(new QLabel(Q(captions[i]), parent), labelNames[i]));
    field.push_back(Named(new QLineEdit(parent), fieldNames[i]));
    label[i]->setBuddy(field[i]);
    const int at = static_cast<int>(i);
    grid->addWidget(label[i], inRow ? row : row + at, inRow ? 2 * at : 0);
    grid->addWidget(field[i], inRow ? row : row + at, inRow ? 2 * at + 1 : 1);
  }
}

void LabelledFields::SetShown(size_t pair, bool shown) {
  label.at(pair)->setVisible(shown);
  field.at(pair)->setVisible(shown);
}

void AddOkCancelRow(QWidget* dialog, QBoxLayout* outer, QPushButton*& ok, QPushButton*& cancel) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ok = Named(new QPushButton("OK", dialog), "Command1");
  cancel = Named(new QPushButton("Cancel", dialog), "Command2");
  ok->setDefault(true);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  outer->addLayout(buttons);
}

void ConnectComboClick(QComboBox* combo, QObject* context, const bool* refilling,
                       std::function<void()> handler) {
  QObject::connect(combo, &QComboBox::currentIndexChanged, context, [refilling, handler] {
    if (!*refilling) handler();
  });
  // The user's choice of the item already chosen runs the handler too.
  QObject::connect(combo, &QComboBox::activated, context, [handler] { handler(); });
}

void RefillChoices(QComboBox* combo, bool* refilling, std::span<const std::string_view> items,
                   int keep) {
  *refilling = true;
  combo->clear();
  for (std::string_view item : items)
    if (!item.empty()) combo->addItem(Q(item));
  combo->setCurrentIndex(keep);
  *refilling = false;
}

void AddItems(QComboBox* combo, std::span<const std::string_view> items) {
  for (std::string_view item : items)
    combo->addItem(Q(item));
}

void AddItems(QListWidget* list, std::span<const char* const> items) {
  for (const char* item : items)
    list->addItem(QString::fromUtf8(item));
}
