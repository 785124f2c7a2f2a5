#pragma once

#include <QPixmap>

namespace fennick::ui {

// The start window's pictures, drawn rather than shipped as files.
QPixmap TrainPicture(QSize size);
QPixmap DonationPicture(QSize size);

}  // namespace fennick::ui
