#include "ui/app/fonts.hpp"

#include <QStringList>

namespace orvane::ui {
namespace {

QFont FontOf(const QStringList& families, int pixelSize) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace

QFont ProportionalFont(int pixelSize) {
  return FontOf({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP"),
                 QStringLiteral("sans-serif")},
                pixelSize);
}

QFont FixedFont(int pixelSize) {
  QFont font = FontOf({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                       QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")},
                      pixelSize);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace orvane::ui
