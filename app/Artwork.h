#pragma once

#include <QIcon>
#include <QPixmap>

// The splash page's banner (400 x 236) and the program icon, drawn rather than shipped.
QPixmap BannerPicture();
QIcon ProgramIcon();
// The program icon at any size, for the desktop's icon theme.
QPixmap ProgramIconPicture(int size);
