#pragma once

#include <QPixmap>
#include <QSize>

// The splash window's pictures, drawn here rather than shipped as files.
namespace splash_pictures {
// The unit seen from the front: frame, display and two rows of buttons with LEDs.
QPixmap unitFront(const QSize& size);
// The maker's word mark.
QPixmap logo(const QSize& size);
} // namespace splash_pictures
