#pragma once

#include <QImage>
#include <QString>

// The pictures compiled into the program. Each is decoded at full size the
// first time it is asked for and kept for the rest of the run, so repainting,
// hiding or showing a window, or creating another one, never decodes it again.
// A picture that cannot be decoded is kept as a null image and reported once.
const QImage& KeptPicture(const QString& resource);

// How many pictures have been decoded so far in this run.
int KeptPictureDecodes();
