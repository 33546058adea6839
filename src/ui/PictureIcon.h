#pragma once

#include <QIcon>

namespace rotaline {

// An icon of one of our drawings, read when it is first drawn. Qt's own SVG icons load an
// engine plugin and read the drawing when the icon is made.
QIcon pictureIcon(const QString& picture);

}  // namespace rotaline
