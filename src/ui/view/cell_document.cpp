#include "ui/view/cell_document.hpp"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

namespace orvane::ui {

namespace {

// A line break right before a paragraph only ends its line, as in a browser;
// Qt would add an empty line after it. At the start of the cell the break
// leaves one empty line above the paragraph.
QString WithoutBreaksBeforeParagraphs(QString html) {
  static const QRegularExpression leading(QStringLiteral("^<BR>(?=<P[\\s>])"),
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression inner(QStringLiteral("<BR>(?=<P[\\s>])"), QRegularExpression::CaseInsensitiveOption);
  html.replace(leading, QStringLiteral("<P>&nbsp;</P>"));
  html.replace(inner, QString());
  return html;
}

}  // namespace

std::unique_ptr<QTextDocument> LayOutCell(const QString& html, const QFont& font, int width) {
  auto document = std::make_unique<QTextDocument>();
  document->setDocumentMargin(1);
  document->setDefaultFont(font);
  document->setDefaultStyleSheet(QStringLiteral("p { margin:0; }"));
  // Past-run texts line up by blank padding, so blanks must not collapse.
  document->setHtml(QStringLiteral("<div style=\"white-space:pre-wrap\">") + WithoutBreaksBeforeParagraphs(html) +
                    QStringLiteral("</div>"));
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
