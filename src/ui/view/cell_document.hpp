#pragma once
// Lays out a grid cell's mini-HTML (<BR>, <P ALIGN>, <font color>, <B>,
// <A HREF>) so that runs of blanks are kept and three lines fit a 41-pixel row.
#include <QFont>
#include <QString>
#include <QTextDocument>
#include <memory>

namespace orvane::ui {

inline constexpr int kCellLineHeight = 13;

std::unique_ptr<QTextDocument> LayOutCell(const QString& html, const QFont& font, int width);

}  // namespace orvane::ui
