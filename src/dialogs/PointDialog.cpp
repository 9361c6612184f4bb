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
  SSTab1 = Named(new QTabWidget(this), "SSTab1");
  outer->addWidget(SSTab1);

  auto* pointPage = new QWidget(SSTab1);
  auto* page = new QGridLayout(pointPage);
  static constexpr const char* nameLabel[] = {"Label1"};
  static constexpr const char* nameField[] = {"Text1"};
  static constexpr std::string_view nameCaption[] = {"Name"};
  m_name = std::make_unique<LabelledFields>(pointPage, page, 0, nameLabel, nameField, nameCaption);
  Text1 = m_name->field[0];
  if (animated) Text1->setText(Q(PointAnimationName));
  auto* coordLabel = Named(new QLabel("Coordinate Type", pointPage), "Label2");
  Combo1 = Named(new QComboBox(pointPage), "Combo1");
  coordLabel->setBuddy(Combo1);
  AddItems(Combo1, PlaneCoordinates);
  Combo1->setCurrentIndex(-1);
  page->addWidget(coordLabel, 1, 0);
  page->addWidget(Combo1, 1, 1);

  auto* frame1 =
      Named(new QGroupBox(animated ? "Coordinate Expressions" : "Coordinate", pointPage), "Frame1");
  auto* coordGrid = new QGridLayout(frame1);
  static constexpr const char* coordLabels[] = {"Label3", "Label4", "Label5"};
  static constexpr const char* coordFields[] = {"Text2", "Text3", "Text4"};
  static constexpr std::string_view pointCaptions[] = {"X", "Y", "Z"};
  static constexpr std::string_view animationCaptions[] = {"X(t)", "Y(t)", "Z(t)"};
  // A point's coordinates stand in one row, an animated point's one under the other.
  m_coordinates = std::make_unique<LabelledFields>(
      frame1, coordGrid, 0, coordLabels, coordFields,
      animated ? std::span<const std::string_view>(animationCaptions)
               : std::span<const std::string_view>(pointCaptions),
      !animated);
  Text2 = m_coordinates->field[0];
  Text3 = m_coordinates->field[1];
  Text4 = m_coordinates->field[2];
  page->addWidget(frame1, 2, 0, 1, 2);

  if (animated) {
    auto* frame2 = Named(new QGroupBox("Domain Of t", pointPage), "Frame2");
    auto* domainGrid = new QGridLayout(frame2);
    m_tRow =
        std::make_unique<DomainRow>(frame2, domainGrid, 0, std::array{"Label6", "Label7", "Label8"},
                                    std::array{"Text5", "Text6", "Text7"},
                                    std::array<std::string_view, 3>{"Min t", "Max t", "Steps t"},
                                    std::array<std::string_view, 3>{"", "", ""});
    Text5 = m_tRow->field[0], Text6 = m_tRow->field[1], Text7 = m_tRow->field[2];
    Text7->setToolTip("Recommended Value: 30 - 60");
    page->addWidget(frame2, 3, 0, 1, 2);
  }
  page->setRowStretch(4, 1);
  SSTab1->addTab(pointPage, "Point");

  auto* properties = new QWidget(SSTab1);
  auto* props = new QGridLayout(properties);
  auto* colorLabel = Named(new QLabel("Color", properties), animated ? "Label9" : "Label6");
  Picture1 = new ColorSwatch(properties, "Picture1", PointColorOnLoad);
  colorLabel->setBuddy(Picture1);
  auto* sizeLabel = Named(new QLabel("Size", properties), animated ? "Label10" : "Label7");
  Combo2 = Named(new QComboBox(properties), "Combo2");
  sizeLabel->setBuddy(Combo2);
  AddItems(Combo2, PointSizes);
  Combo2->setCurrentIndex(PointSizeOnLoad - 1);
  props->addWidget(colorLabel, 0, 0);
  props->addWidget(Picture1, 0, 1);
  props->addWidget(sizeLabel, 1, 0);
  props->addWidget(Combo2, 1, 1);
  static constexpr const char* hollowNames[] = {"Option2", "Option1"};
  HollowFrame = new OptionGroup(properties, "Hollow Or Solid", HollowOrSolid, hollowNames);
  HollowFrame->setObjectName(animated ? "Frame3" : "Frame2");
  HollowFrame->SetCode(0); // "Solid"
  props->addWidget(HollowFrame, 2, 0, 1, 2);
  props->setRowStretch(3, 1);
  props->setColumnStretch(2, 1);
  SSTab1->addTab(properties, "Properties");

  AddOkCancelRow(this, outer, Command1, Command2);

  connect(Combo1, &QComboBox::currentIndexChanged, this, &PointDialog::Combo1_Click);
  connect(Command1, &QPushButton::clicked, this, &PointDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &PointDialog::Command2_Click);
}

PointDialog::~PointDialog() = default;

void PointDialog::SetUpFor(int32_t documentType) {
  // Points of 2D and 2.5D documents have two coordinates; a third field there would take input
  // that no property keeps, so it is hidden in both.
  m_space = documentType != DocumentType2D && documentType != DocumentType25D;
  m_coordinates->SetShown(2, m_space);
  {
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    if (m_space)
      AddItems(Combo1, SpaceCoordinates);
    else
      AddItems(Combo1, PlaneCoordinates);
    Combo1->setCurrentIndex(-1);
  }
  if (m_animated) {
    Text7->setEnabled(false);
    Text7->setText(QString::number(FrameCount));
  }
}

void PointDialog::Combo1_Click() {
  const int coordinate = Combo1->currentIndex();
  if (coordinate < 0 || coordinate >= (m_space ? 3 : 2)) return;
  const PointLabels& labels = PointCoordinateLabels(m_animated ? 1 : 0, m_space, coordinate);
  m_coordinates->label[0]->setText(Q(labels.first));
  m_coordinates->label[1]->setText(Q(labels.second));
  if (!labels.third.empty()) m_coordinates->label[2]->setText(Q(labels.third));
}

void PointDialog::PrepareAdd() {
  SetUpFor(DocumentType);
  const bool plane = DocumentType == DocumentType2D;
  HollowFrame->setVisible(plane);
  if (!plane) Picture1->SetColor(PointColorOutside2D);
  Combo1->setCurrentIndex(0);
}

void PointDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  SetUpFor(DocumentType);
  // A coordinate system the list does not offer selects nothing and is kept.
  Combo1->setCurrentIndex(g.CoordType - FirstCoordType());
  // Hollow points are drawn as such in 2D documents; the animation's style shows in 2.5D too.
  HollowFrame->setVisible(DocumentType == DocumentType2D ||
                          (m_animated && DocumentType == DocumentType25D));
  m_bindings.Fill(Bindings(), g);
}

std::vector<FieldBinding> PointDialog::Bindings() const {
  using K = FieldBinding::Kind;
  std::vector<FieldBinding> f = {{K::Text, Text1, GraphProp::NameS}};
  if (m_space) {
    f.push_back({K::Formula, Text2, GraphProp::ExpressX});
    f.push_back({K::Formula, Text3, GraphProp::ExpressY});
    f.push_back({K::Formula, Text4, GraphProp::ExpressZ});
  } else {
    f.push_back({K::Formula, Text2, GraphProp::ExpressY});
    f.push_back({K::Formula, Text3, GraphProp::ExpressZ});
  }
  if (m_animated) {
    f.push_back({K::Real, Text5, GraphProp::MinT});
    f.push_back({K::Real, Text6, GraphProp::MaxT});
  }
  f.push_back({K::Swatch, Picture1, GraphProp::PointColor});
  f.push_back({K::RealIndex, Combo2, GraphProp::PointSize, 1});
  if (!HollowFrame->isHidden()) f.push_back({K::Options, HollowFrame, GraphProp::PointHollow});
  return f;
}

std::vector<OrderedPair> PointDialog::Pairs() const { return {{GraphProp::MinT, GraphProp::MaxT}}; }

void PointDialog::Command1_Click() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  CommitRequest request;
  request.graphType = m_animated ? PointAnimation : PointMarker;
  const int coordinate = Combo1->currentIndex();
  request.coordType = coordinate >= 0 ? coordinate + FirstCoordType()
                      : m_selected    ? m_selected->CoordType
                                      : FirstCoordType();
  request.funForm = m_selected ? m_selected->FunForm : 0;
  request.animation = m_animated;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void PointDialog::Command2_Click() { reject(); }
