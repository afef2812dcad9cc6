#pragma once

#include <QImage>
#include <QSize>

namespace radirav {

// Gouraud fill of a rectangle split along its falling diagonal into the triangles
// (0,0)-(w,0)-(w,h) and (0,0)-(w,h)-(0,h); each pixel mixes its triangle's corner colours by
// barycentric weight. Corners: (0,0) green, (w,0) blue, (w,h) red, (0,h) cyan.
QImage TriangleGradient(QSize size);

} // namespace radirav
