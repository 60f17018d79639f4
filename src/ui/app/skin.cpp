#include "ui/app/skin.hpp"

#include <QApplication>
#include <QFile>
#include <QProxyStyle>
#include <QStyleFactory>

#include "ui/app/fonts.hpp"

// The resources live in a static library: their registration must be pulled in
// by name, outside any namespace.
static void InitResources() { Q_INIT_RESOURCE(orvane); }

namespace orvane::ui {
namespace {

constexpr int kHintDelayMs = 250;

// Hints come up after 250 ms and follow each other after 250 ms.
class HintTimingStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay || hint == SH_ToolTip_FallAsleepDelay) return kHintDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

void ApplySkin(QApplication& app) {
  InitResources();
  app.setStyle(new HintTimingStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
  app.setFont(ProportionalFont(12));
  QFile sheet(QStringLiteral(":/style/orvane.qss"));
  if (sheet.open(QIODevice::ReadOnly)) app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

}  // namespace orvane::ui
