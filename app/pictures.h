#pragma once

#include <QIcon>
#include <QImage>

namespace vorneta {

// The splash screen's picture, 400 x 400 on lime: a lattice pylon with its conductors, the sun
// behind it, grass at its foot and the program's name in large blue letters.
QImage drawSplashPicture();

// The program icon at size x size pixels (16 to 256), drawn at that size: a blue meter with a
// white display reading 17V, two red terminals with dark-red leads, on a yellow ground.
QImage drawProgramIcon(int size);

// The icon at the sizes a desktop asks for.
QIcon programIcon();

}  // namespace vorneta
