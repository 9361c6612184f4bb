#include "dialogs/DialogSections.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLine>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

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
                         std::span<const char* const> names, Qt::Orientation orientation)
    : QWidget(parent), m_group(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget* holder = this;
  QBoxLayout* inner = layout;
  if (title) {
    auto* frame = new QGroupBox(Q(title), this);
    layout->addWidget(frame);
    holder = frame;
    inner = new QBoxLayout(
        orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, frame);
  } else if (orientation == Qt::Horizontal) {
    inner = new QHBoxLayout;
    layout->addLayout(inner);
  }
  for (size_t i = 0; i < options.size(); ++i) {
    auto* button = Named(new QRadioButton(Q(options[i].caption), holder), names[i]);
    m_group->addButton(button, options[i].code);
    inner->addWidget(button);
  }
  inner->addStretch();
  connect(m_group, &QButtonGroup::idClicked, this, &OptionGroup::picked);
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

OptionBracket::OptionBracket(QWidget* parent, std::vector<QWidget*> options,
                             std::vector<QWidget*> swatches)
    : QWidget(parent), m_options(std::move(options)), m_swatches(std::move(swatches)) {
  setObjectName("OptionBracket");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setMinimumWidth(36);
}

std::vector<QLine> OptionBracket::Lines() const {
  auto middle = [this](const QWidget* w) {
    return w->mapTo(window(), QPoint(0, w->height() / 2)).y() - mapTo(window(), QPoint(0, 0)).y();
  };
  std::vector<int> left, right;
  for (const QWidget* w : m_options)
    left.push_back(middle(w));
  for (const QWidget* w : m_swatches)
    right.push_back(middle(w));
  if (left.empty() || right.empty()) return {};
  const int x1 = width() / 3, x2 = 2 * width() / 3, end = width() - 1;
  std::vector<QLine> lines;
  for (int y : left)
    lines.emplace_back(0, y, x1, y);
  const auto [top, bottom] = std::minmax_element(left.begin(), left.end());
  lines.emplace_back(x1, *top, x1, *bottom);
  const int across = (*top + *bottom) / 2;
  lines.emplace_back(x1, across, x2, across);
  const auto [high, low] = std::minmax_element(right.begin(), right.end());
  lines.emplace_back(x2, std::min(*high, across), x2, std::max(*low, across));
  for (int y : right)
    lines.emplace_back(x2, y, end, y);
  return lines;
}

void OptionBracket::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  for (const QLine& line : Lines())
    painter.drawLine(line);
}

RibbonStyle::RibbonStyle(QTabWidget* tabs, Layout layout) {
  using namespace DialogFields;
  const bool surface = layout == Layout::Surface;
  // "Color": the fill styles, the colour map beside "Colormap", the swatch beside "Single" and
  // the two gradient colours (below them, or in a right-hand column bracketed to the gradients).
  auto* color = new QWidget(tabs);
  auto* grid = new QGridLayout(color);
  static constexpr const char* fillNames[] = {"gradientLeftRightOption", "gradientFrontBackOption",
                                              "gradientTopBottomOption", "singleOption",
                                              "colormapOption"};
  fillStyle = new OptionGroup(color, nullptr, FillStyles, fillNames);
  fillStyle->SetCode(FillStyleOnLoad);
  grid->addWidget(fillStyle, 0, 0, 5, 1);
  single = new ColorSwatch(color, "singleColorSwatch", RibbonSecondColorOnLoad);
  colorScheme = Named(new QComboBox(color), "schemeBox");
  AddItems(colorScheme, ColorSchemes);
  colorScheme->setCurrentIndex(0);
  auto* firstLabel = Named(new QLabel("First color", color), "firstColorLabel");
  first = new ColorSwatch(color, "firstColorSwatch", RibbonFirstColorOnLoad);
  auto* secondLabel = Named(new QLabel("Second color", color), "secondColorLabel");
  second = new ColorSwatch(color, "secondColorSwatch", RibbonSecondColorOnLoad);
  if (surface) {
    auto* right = new QGridLayout;
    right->addWidget(firstLabel, 0, 0);
    right->addWidget(first, 0, 1);
    right->addWidget(secondLabel, 1, 0);
    right->addWidget(second, 1, 1);
    grid->addLayout(right, 0, 2, 3, 1);
    grid->addWidget(single, 3, 2);
    grid->addWidget(colorScheme, 4, 2);
    bracket = new OptionBracket(
        color, {fillStyle->Button(1), fillStyle->Button(2), fillStyle->Button(3)}, {first, second});
    grid->addWidget(bracket, 0, 1, 3, 1);
    grid->setRowStretch(5, 1);
  } else {
    grid->addWidget(single, 3, 1);
    grid->addWidget(colorScheme, 4, 1);
    grid->addWidget(firstLabel, 5, 0);
    grid->addWidget(first, 5, 1);
    grid->addWidget(secondLabel, 6, 0);
    grid->addWidget(second, 6, 1);
    grid->setRowStretch(7, 1);
  }
  tabs->addTab(color, "Color");
  // "Single" and "Second color" both stand for the second colour: a choice in one shows in both.
  QObject::connect(single, &ColorSwatch::colorChosen, second, &ColorBox::SetColor);
  QObject::connect(second, &ColorSwatch::colorChosen, single, &ColorBox::SetColor);

  auto* materialPage = new QWidget(tabs);
  auto* materialLayout = new QVBoxLayout(materialPage);
  materialLayout->addWidget(
      Named(new QLabel("Select a material type", materialPage), "materialLabel"));
  material = Named(new QListWidget(materialPage), "materialList");
  AddItems(material, MaterialPresetNames);
  material->setCurrentRow(MaterialOnLoad - 1);
  materialLayout->addWidget(material);
  tabs->addTab(materialPage, "Material");

  auto* appearance = new QWidget(tabs);
  // The surface layout: each frame's options left to right, the frames one under the other.
  QBoxLayout* row =
      surface ? static_cast<QBoxLayout*>(new QVBoxLayout(appearance)) : new QHBoxLayout(appearance);
  static constexpr const char* showNames[] = {"pointModelOption", "gridModelOption",
                                              "surfaceModelOption"};
  static constexpr const char* smoothNames[] = {"flatOption", "smoothOption", "smoothestOption"};
  const Qt::Orientation options = surface ? Qt::Horizontal : Qt::Vertical;
  show = new OptionGroup(appearance, surface ? "Model" : "Show", DisplayModels, showNames, options);
  smooth = new OptionGroup(appearance, surface ? "Smoothness" : "Smooth", Shadings, smoothNames,
                           options);
  show->SetCode(DisplayModelOnLoad);
  smooth->SetCode(ShadingOnLoad);
  row->addWidget(show);
  row->addWidget(smooth);
  if (surface) row->addStretch();
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
  ok = Named(new QPushButton("OK", dialog), "okButton");
  cancel = Named(new QPushButton("Cancel", dialog), "cancelButton");
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
