#pragma once
// Icons whose images are files of the resources, one file for each size. QIcon::addFile
// decodes every file it is given at once; these read a size only when something first
// draws it or asks for its pixmap, so start-up pays for no image it does not show.
#include <QIcon>
#include <QString>
#include <initializer_list>

namespace pelbrix {

// `pattern` names the file of one size, with %1 standing for the size in pixels (square):
// an image file, or a resource of bare pixel rows named .rgba (red, green, blue, alpha).
QIcon lazyIcon(const QString& pattern, std::initializer_list<int> sizes);

}  // namespace pelbrix
