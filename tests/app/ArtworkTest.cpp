// The pictures the program draws, read back pixel by pixel with the fonts this machine has.
#include <gtest/gtest.h>

#include <QImage>

#include "app/Artwork.h"

namespace {

// The banner's name and subtitle stay clear of the card's rounded right edge, whatever face the
// system draws Georgia with: the last sixteen pixels inside the card hold no maroon.
TEST(Artwork, TheBannersTextKeepsItsMarginInsideTheCard)
{
    const QImage banner = BannerPicture().toImage();
    int inked = 0;
    for (int y = 60; y < 150; ++y) {
        for (int x = 396 - 16; x < 396; ++x) {
            const QColor pixel = banner.pixelColor(x, y);
            inked += pixel.red() > pixel.blue() + 40 ? 1 : 0;
        }
    }
    EXPECT_EQ(inked, 0);
}

}  // namespace
