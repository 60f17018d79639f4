#pragma once
// The program's pictures, painted with QPainter: nothing to ship, and crisp at
// any size the layout asks for.
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace orvane::ui::art {

// The header band behind the titles, the bet cards and the toolbar.
QPixmap Banner(QSize size);
// The product mark on the header; clicking it opens the product's home page.
QPixmap HomePageLink();

enum class ButtonLook { Normal, Hover, Pressed };
inline constexpr int kButtonSize = 39;
// The picture of toolbar button ImgBtn<button> (0-9), 39 x 39.
QPixmap ToolbarPicture(int button, ButtonLook look);

inline constexpr QSize kTypePictureSize{35, 15};
// The type picture of TypeRank `rank` (0 D, 1 M, 2 S, 3 SS).
QPixmap TypePicture(int rank);

inline constexpr QSize kAboutSize{421, 164};
// The About picture on its transparent colour, which is the colour of its
// bottom-left pixel (the window shape leaves it out).
QImage AboutPicture();

// The bet panel card kai<card> (0-3) with its printed wording; the texts of
// the labels on top of it are not part of it.
QPixmap BetCard(int card);

}  // namespace orvane::ui::art
