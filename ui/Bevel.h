#pragma once

#include <QWidget>

// An etched frame along the edges of its area: a groove two pixels wide, the
// shadow line outside the highlight line on the left and top, inside it on the
// right and bottom. Nothing inside the groove is painted, so whatever lies
// beneath shows through, as it does at the top-right and bottom-left corner
// pixels. Clicks go through to the window beneath.
class TBevel : public QWidget {
  Q_OBJECT

 public:
  explicit TBevel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
