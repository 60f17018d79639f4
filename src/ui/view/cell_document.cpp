#include "ui/view/cell_document.hpp"

#include <QTextBlock>
#include <QTextCursor>

namespace orvane::ui {

std::unique_ptr<QTextDocument> LayOutCell(const QString& html, const QFont& font, int width) {
  auto document = std::make_unique<QTextDocument>();
  document->setDocumentMargin(1);
  document->setDefaultFont(font);
  document->setDefaultStyleSheet(QStringLiteral("p { margin:0; }"));
  // Past-run texts line up by blank padding, so blanks must not collapse.
  document->setHtml(QStringLiteral("<div style=\"white-space:pre-wrap\">") + html + QStringLiteral("</div>"));
  QTextCursor cursor(document.get());
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    cursor.setPosition(block.position());
    QTextBlockFormat format = block.blockFormat();
    format.setLineHeight(kCellLineHeight, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(format);
  }
  document->setTextWidth(width);
  return document;
}

}  // namespace orvane::ui
