#pragma once

#include <QString>
#include <QWidget>

// A picture control: fills its area with the button-face colour, then draws
// its picture at natural size with the picture's top-left pixel at its own,
// cropped at its right and bottom edges. The picture is a compiled-in
// resource, decoded when it is first drawn (see KeptPicture). Clicks go
// through to the window beneath.
class TImage : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString picture READ picture WRITE setPicture)

 public:
  explicit TImage(QWidget* parent = nullptr);

  // The resource path of the picture, as the window definition sets it.
  QString picture() const;
  void setPicture(const QString& resource);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString picture_;
};
