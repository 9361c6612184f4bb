#pragma once
// A small box of a dialog that shows one colour as its background and reports a click, so the
// dialog can offer the colour chooser (the colour boxes of the Axis Properties dialogs).

#include <QFrame>

#include <cstdint>

class ColorBox : public QFrame {
  Q_OBJECT
public:
  explicit ColorBox(QWidget* parent = nullptr);

  // The colour shown, as blue * 65536 + green * 256 + red.
  int32_t Color() const { return m_color; }
  void SetColor(int32_t color);

signals:
  void clicked();

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  int32_t m_color = 0;
};
