// The options dialog: it opens with the main window's settings, OK hands the
// edited values back (and refits the window), Cancel changes nothing.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "ui/app/option_dialog.hpp"
#include "ui/support/main_window_fixture.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui::test {
namespace {

QPushButton* ButtonNamed(const TfrmOption& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

void Click(const TfrmOption& dialog, const QString& text) {
  if (QPushButton* button = ButtonNamed(dialog, text)) button->click();
}

const ProxySettings kProxy{QStringLiteral("proxy.example.jp"), 8080, QStringLiteral("taro"), QStringLiteral("secret")};

// Fills every control with values other than the window's.
void EditEverything(TfrmOption& dialog) {
  dialog.TwoRuns()->setChecked(true);
  dialog.AutoResize()->setChecked(false);
  dialog.Address()->setText(QStringLiteral("10.0.0.1"));
  dialog.Port()->setValue(3128);
  dialog.User()->setText(QStringLiteral("hanako"));
  dialog.Password()->setText(QStringLiteral("pass"));
}

class OptionsDialogTest : public MainWindowFixture {
 protected:
  // A race on screen with the 3走前 column, a fitted window and a proxy set.
  TfrmOrvane& Prepared() {
    CopySampleDay();
    TfrmOrvane& window = Start();
    window.ApplyShow3Sou(true);
    window.Proxy() = kProxy;
    return window;
  }
};

TEST_F(OptionsDialogTest, OpensCentredOnTheMainWindowWithItsSettings) {
  TfrmOrvane& window = Prepared();
  window.move(100, 50);
  TfrmOption dialog(window);

  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("オプション"));
  EXPECT_EQ(dialog.size(), QSize(367, 286));
  EXPECT_EQ(dialog.pos(), QPoint(100 + window.width() / 2 - 367 / 2, 50 + window.height() / 2 - 286 / 2));
  const auto* tabs = dialog.findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("表示の設定"));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("プロキシサーバーの設定"));
  EXPECT_TRUE(ButtonNamed(dialog, QStringLiteral("&OK"))->isDefault());

  EXPECT_TRUE(dialog.ThreeRuns()->isChecked());
  EXPECT_FALSE(dialog.TwoRuns()->isChecked());
  EXPECT_TRUE(dialog.AutoResize()->isChecked());
  EXPECT_EQ(dialog.Address()->text(), kProxy.server);
  EXPECT_EQ(dialog.Port()->value(), kProxy.port);
  EXPECT_EQ(dialog.User()->text(), kProxy.user);
  EXPECT_EQ(dialog.Password()->text(), kProxy.password);
  EXPECT_EQ(dialog.Password()->echoMode(), QLineEdit::Password);
}

TEST_F(OptionsDialogTest, OkHandsEveryValueBackAndRefitsTheWindow) {
  TfrmOrvane& window = Prepared();
  const QSize fitted = window.size();
  TfrmOption dialog(window);
  EditEverything(dialog);
  dialog.AutoResize()->setChecked(true);

  Click(dialog, QStringLiteral("&OK"));

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(window.Show3Sou());
  EXPECT_FALSE(window.Grid().LastPastColumnShown());
  EXPECT_EQ(window.width(), 937);  // fitted without the 3走前 column
  EXPECT_EQ(window.height(), fitted.height());
  EXPECT_TRUE(window.AutoResize());
  EXPECT_EQ(window.Proxy().server, QStringLiteral("10.0.0.1"));
  EXPECT_EQ(window.Proxy().port, 3128);
  EXPECT_EQ(window.Proxy().user, QStringLiteral("hanako"));
  EXPECT_EQ(window.Proxy().password, QStringLiteral("pass"));
}

TEST_F(OptionsDialogTest, OkWithoutChangesAppliesTheColumnSettingAgain) {
  TfrmOrvane& window = Prepared();
  const QSize fitted = window.size();
  window.resize(700, 500);  // the user dragged the window since the race was shown

  TfrmOption dialog(window);
  Click(dialog, QStringLiteral("&OK"));

  EXPECT_TRUE(window.Show3Sou());
  EXPECT_EQ(window.size(), fitted);
  EXPECT_EQ(window.Proxy().server, kProxy.server);
  EXPECT_EQ(window.Proxy().port, kProxy.port);
}

TEST_F(OptionsDialogTest, AutoResizeTurnedOffKeepsTheWindowAsItIs) {
  TfrmOrvane& window = Prepared();
  window.resize(700, 500);
  TfrmOption dialog(window);
  dialog.AutoResize()->setChecked(false);
  dialog.TwoRuns()->setChecked(true);

  Click(dialog, QStringLiteral("&OK"));

  // The column is applied (and the window refitted) before AutoResize changes.
  EXPECT_FALSE(window.AutoResize());
  EXPECT_FALSE(window.Show3Sou());
  EXPECT_EQ(window.width(), 937);
}

TEST_F(OptionsDialogTest, CancelAfterEditingChangesNothing) {
  TfrmOrvane& window = Prepared();
  window.resize(700, 500);
  TfrmOption dialog(window);
  EditEverything(dialog);

  Click(dialog, QStringLiteral("キャンセル(&C)"));

  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(window.Show3Sou());
  EXPECT_TRUE(window.Grid().LastPastColumnShown());
  EXPECT_TRUE(window.AutoResize());
  EXPECT_EQ(window.size(), QSize(700, 500));
  EXPECT_EQ(window.Proxy().server, kProxy.server);
  EXPECT_EQ(window.Proxy().port, kProxy.port);
  EXPECT_EQ(window.Proxy().user, kProxy.user);
  EXPECT_EQ(window.Proxy().password, kProxy.password);
}

TEST_F(OptionsDialogTest, TheProxyIsNeverStoredWithTheSettings) {
  {
    TfrmOption dialog(Prepared());
    Click(dialog, QStringLiteral("&OK"));
  }
  Close();

  TfrmOrvane& again = Create();
  EXPECT_TRUE(again.Proxy().server.isEmpty());
  EXPECT_EQ(again.Proxy().port, 0);
  EXPECT_TRUE(again.Proxy().user.isEmpty());
  EXPECT_TRUE(again.Proxy().password.isEmpty());
}

}  // namespace
}  // namespace orvane::ui::test
