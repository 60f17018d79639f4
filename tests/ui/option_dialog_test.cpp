// The options dialog: it copies the display settings and the proxy between
// its controls and the main window, which applies them.
#include "ui/app/option_dialog.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

#include "ui/support/main_window_fixture.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui::test {
namespace {

using OptionDialogTest = MainWindowFixture;

TEST_F(OptionDialogTest, OkAppliesTheDisplaySettingsAndKeepsTheProxyInMemory) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  {
    TfrmOption dialog(window);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("オプション"));
    EXPECT_TRUE(dialog.TwoRuns()->isChecked());
    EXPECT_TRUE(dialog.AutoResize()->isChecked());
    dialog.ThreeRuns()->setChecked(true);
    dialog.AutoResize()->setChecked(false);
    dialog.Address()->setText(QStringLiteral("proxy.example.jp"));
    dialog.Port()->setValue(8080);
    dialog.User()->setText(QStringLiteral("user"));
    dialog.Password()->setText(QStringLiteral("secret"));
    dialog.accept();
  }

  EXPECT_TRUE(window.Show3Sou());
  EXPECT_FALSE(window.Grid().isColumnHidden(12));
  EXPECT_EQ(window.width(), 1154);  // refitted while AutoResize was still on
  EXPECT_FALSE(window.AutoResize());
  EXPECT_EQ(window.Proxy().server, QStringLiteral("proxy.example.jp"));
  EXPECT_EQ(window.Proxy().port, 8080);
  EXPECT_EQ(window.Proxy().user, QStringLiteral("user"));
  EXPECT_EQ(window.Proxy().password, QStringLiteral("secret"));

  Close();
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orvane"),
                           QStringLiteral("Orvane"));
  for (const QString& key : settings.allKeys()) {
    EXPECT_FALSE(settings.value(key).toString().contains(QStringLiteral("proxy.example.jp"))) << key.toStdString();
  }
}

TEST_F(OptionDialogTest, OkWithoutChangesRefitsTheWindow) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  const QSize fitted = window.size();
  window.resize(700, 500);
  TfrmOption dialog(window);
  dialog.accept();
  EXPECT_EQ(window.size(), fitted);
}

TEST_F(OptionDialogTest, CancelChangesNothing) {
  TfrmOrvane& window = Start();
  window.Proxy().server = QStringLiteral("before");
  TfrmOption dialog(window);
  EXPECT_EQ(dialog.Address()->text(), QStringLiteral("before"));
  dialog.ThreeRuns()->setChecked(true);
  dialog.AutoResize()->setChecked(false);
  dialog.Address()->setText(QStringLiteral("after"));
  dialog.reject();
  EXPECT_FALSE(window.Show3Sou());
  EXPECT_TRUE(window.AutoResize());
  EXPECT_EQ(window.Proxy().server, QStringLiteral("before"));
}

}  // namespace
}  // namespace orvane::ui::test
