#include "dialogs/PointDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "commands/GraphCommandHost.h"
#include "dialogs/DialogFields.h"
#include "model/ProgramState.h"

using namespace DialogFields;

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PointDialog::PointDialog(GraphCommandHost& host, QWidget* parent, bool animated)
    : QDialog(parent), m_host(host), m_animated(animated) {
  setWindowTitle(animated ? "Point Animation" : "Point Properties");
  auto* outer = new QVBoxLayout(this);
  tabs = Named(new QTabWidget(this), "tabs");
  outer->addWidget(tabs);

  auto* pointPage = new QWidget(tabs);
  auto* page = new QGridLayout(pointPage);
  static constexpr const char* nameLabels[] = {"nameLabel"};
  static constexpr const char* nameFields[] = {"nameField"};
  static constexpr std::string_view nameCaptions[] = {"Name"};
  m_name =
      std::make_unique<LabelledFields>(pointPage, page, 0, nameLabels, nameFields, nameCaptions);
  nameField = m_name->field[0];
  if (animated) nameField->setText(Q(PointAnimationName));
  auto* coordLabel = Named(new QLabel("Coordinate Type", pointPage), "coordinateLabel");
  coordinateList = Named(new QComboBox(pointPage), "coordinateList");
  coordLabel->setBuddy(coordinateList);
  AddItems(coordinateList, PlaneCoordinates);
  coordinateList->setCurrentIndex(-1);
  page->addWidget(coordLabel, 1, 0);
  page->addWidget(coordinateList, 1, 1);

  auto* frame1 = Named(new QGroupBox(animated ? "Coordinate Expressions" : "Coordinate", pointPage),
                       "coordinatesFrame");
  auto* coordGrid = new QGridLayout(frame1);
  static constexpr const char* coordLabels[] = {"firstCoordinateLabel", "secondCoordinateLabel",
                                                "thirdCoordinateLabel"};
  static constexpr const char* coordFields[] = {"firstCoordinate", "secondCoordinate",
                                                "thirdCoordinate"};
  static constexpr std::string_view pointCaptions[] = {"X", "Y", "Z"};
  static constexpr std::string_view animationCaptions[] = {"X(t)", "Y(t)", "Z(t)"};
  // A point's coordinates stand in one row, an animated point's one under the other.
  m_coordinates = std::make_unique<LabelledFields>(
      frame1, coordGrid, 0, coordLabels, coordFields,
      animated ? std::span<const std::string_view>(animationCaptions)
               : std::span<const std::string_view>(pointCaptions),
      !animated);
  firstCoordinate = m_coordinates->field[0];
  secondCoordinate = m_coordinates->field[1];
  thirdCoordinate = m_coordinates->field[2];
  page->addWidget(frame1, 2, 0, 1, 2);

  if (animated) {
    auto* frame2 = Named(new QGroupBox("Domain Of t", pointPage), "domainFrame");
    auto* domainGrid = new QGridLayout(frame2);
    m_tRow = std::make_unique<DomainRow>(
        frame2, domainGrid, 0, std::array{"minTLabel", "maxTLabel", "stepsTLabel"},
        std::array{"minT", "maxT", "stepsT"},
        std::array<std::string_view, 3>{"Min t", "Max t", "Steps t"},
        std::array<std::string_view, 3>{"", "", ""});
    minT = m_tRow->field[0], maxT = m_tRow->field[1], stepsT = m_tRow->field[2];
    stepsT->setToolTip("Recommended Value: 30 - 60");
    page->addWidget(frame2, 3, 0, 1, 2);
  }
  page->setRowStretch(4, 1);
  tabs->addTab(pointPage, "Point");

  auto* properties = new QWidget(tabs);
  auto* props = new QGridLayout(properties);
  auto* colorLabel = Named(new QLabel("Color", properties), "colorLabel");
  colorSwatch = new ColorSwatch(properties, "colorSwatch", PointColorOnLoad);
  colorLabel->setBuddy(colorSwatch);
  auto* sizeLabel = Named(new QLabel("Size", properties), "sizeLabel");
  sizeList = Named(new QComboBox(properties), "sizeList");
  sizeLabel->setBuddy(sizeList);
  AddItems(sizeList, PointSizes);
  sizeList->setCurrentIndex(PointSizeOnLoad - 1);
  props->addWidget(colorLabel, 0, 0);
  props->addWidget(colorSwatch, 0, 1);
  props->addWidget(sizeLabel, 1, 0);
  props->addWidget(sizeList, 1, 1);
  static constexpr const char* hollowNames[] = {"hollowOption", "solidOption"};
  hollowOrSolid = new OptionGroup(properties, "Hollow Or Solid", HollowOrSolid, hollowNames);
  hollowOrSolid->setObjectName("hollowOrSolid");
  hollowOrSolid->SetCode(SolidPoint);
  props->addWidget(hollowOrSolid, 2, 0, 1, 2);
  props->setRowStretch(3, 1);
  props->setColumnStretch(2, 1);
  tabs->addTab(properties, "Properties");

  AddOkCancelRow(this, outer, okButton, cancelButton);

  connect(coordinateList, &QComboBox::currentIndexChanged, this, &PointDialog::OnCoordinateChosen);
  connect(okButton, &QPushButton::clicked, this, &PointDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &PointDialog::OnCancel);
}

PointDialog::~PointDialog() = default;

void PointDialog::SetUpFor(int32_t documentType) {
  // Points of 2D and 2.5D documents have two coordinates; a third field there would take input
  // that no property keeps, so it is hidden in both.
  m_space = documentType != DocumentType2D && documentType != DocumentType25D;
  m_coordinates->SetShown(2, m_space);
  {
    const QSignalBlocker quiet(coordinateList);
    coordinateList->clear();
    if (m_space)
      AddItems(coordinateList, SpaceCoordinates);
    else
      AddItems(coordinateList, PlaneCoordinates);
    coordinateList->setCurrentIndex(-1);
  }
  if (m_animated) {
    stepsT->setEnabled(false);
    stepsT->setText(QString::number(FrameCount));
  }
}

void PointDialog::OnCoordinateChosen() {
  const int coordinate = coordinateList->currentIndex();
  if (coordinate < 0 || coordinate >= (m_space ? 3 : 2)) return;
  const PointLabels& labels = PointCoordinateLabels(m_animated ? 1 : 0, m_space, coordinate);
  m_coordinates->label[0]->setText(Q(labels.first));
  m_coordinates->label[1]->setText(Q(labels.second));
  if (!labels.third.empty()) m_coordinates->label[2]->setText(Q(labels.third));
}

void PointDialog::PrepareAdd() {
  SetUpFor(DocumentType);
  const bool plane = DocumentType == DocumentType2D;
  hollowOrSolid->setVisible(plane);
  if (!plane) colorSwatch->SetColor(PointColorOutside2D);
  coordinateList->setCurrentIndex(0);
}

void PointDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  SetUpFor(DocumentType);
  // A coordinate system the list does not offer selects nothing and is kept.
  coordinateList->setCurrentIndex(g.CoordType - FirstCoordType());
  // Hollow points are drawn as such in 2D documents; the animation's style shows in 2.5D too.
  hollowOrSolid->setVisible(DocumentType == DocumentType2D ||
                            (m_animated && DocumentType == DocumentType25D));
  m_bindings.Fill(Bindings(), g);
}

std::vector<FieldBinding> PointDialog::Bindings() const {
  using K = FieldBinding::Kind;
  std::vector<FieldBinding> f = {{K::Text, nameField, GraphProp::NameS}};
  if (m_space) {
    f.push_back({K::Formula, firstCoordinate, GraphProp::ExpressX});
    f.push_back({K::Formula, secondCoordinate, GraphProp::ExpressY});
    f.push_back({K::Formula, thirdCoordinate, GraphProp::ExpressZ});
  } else {
    f.push_back({K::Formula, firstCoordinate, GraphProp::ExpressY});
    f.push_back({K::Formula, secondCoordinate, GraphProp::ExpressZ});
  }
  if (m_animated) {
    f.push_back({K::Real, minT, GraphProp::MinT});
    f.push_back({K::Real, maxT, GraphProp::MaxT});
  }
  f.push_back({K::Swatch, colorSwatch, GraphProp::PointColor});
  f.push_back({K::RealIndex, sizeList, GraphProp::PointSize, 1});
  if (!hollowOrSolid->isHidden()) f.push_back({K::Options, hollowOrSolid, GraphProp::PointHollow});
  return f;
}

std::vector<OrderedPair> PointDialog::Pairs() const { return {{GraphProp::MinT, GraphProp::MaxT}}; }

void PointDialog::OnOk() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  CommitRequest request;
  request.graphType = m_animated ? PointAnimation : PointMarker;
  const int coordinate = coordinateList->currentIndex();
  request.coordType = coordinate >= 0 ? coordinate + FirstCoordType()
                      : m_selected    ? m_selected->CoordType
                                      : FirstCoordType();
  request.funForm = m_selected ? m_selected->FunForm : 0;
  request.animation = m_animated;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void PointDialog::OnCancel() { reject(); }
