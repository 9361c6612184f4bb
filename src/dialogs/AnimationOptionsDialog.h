#pragma once
// The Animation Options dialog ("Animation Options"): the number of frames and the speed of
// animations. OK sets FrameCount, FramesPerSecond and the timer interval, or refuses a value with
// a message and stays open (also a frame count that a graph cannot take); Cancel changes nothing.

#include <QDialog>

class GraphCommandHost;
class QLineEdit;
class QPushButton;

class AnimationOptionsDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the boxes show the frame count and speed in force.
  explicit AnimationOptionsDialog(GraphCommandHost& host, QWidget* parent = nullptr);

  void OnOk();
  void OnCancel();

  QLineEdit *frameCountField, *speedField;
  QPushButton *okButton, *cancelButton;

private:
  GraphCommandHost& m_host;
};
