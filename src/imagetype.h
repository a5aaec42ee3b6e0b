#ifndef IMAGETYPE_H
#define IMAGETYPE_H

#include <QMetaType>

// Filter applied to a captured picture.
enum ImageType { NormalImage = 1, GrayImage = 2, BlackWhiteImage = 3 };
Q_DECLARE_METATYPE(ImageType)

#endif  // IMAGETYPE_H
