// The real desktop's blocking questions, answered from inside their own loop.
#include "ui/app/desktop.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace orvane::ui::test {
namespace {

// Calls `inspect` with the first message box that comes up while `ask` runs.
void WithMessageBox(const std::function<void()>& ask, const std::function<void(QMessageBox&)>& inspect) {
  bool seen = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    seen = true;
    inspect(*box);
  });
  poll.start(10);
  ask();
  EXPECT_TRUE(seen);
}

TEST(DesktopTest, TheYesAbortQuestionIsAConfirmation) {
  struct {
    QMessageBox::StandardButton press;
    bool yes;
  } const cases[] = {{QMessageBox::Yes, true}, {QMessageBox::Abort, false}};
  for (const auto& c : cases) {
    bool answer = !c.yes;
    WithMessageBox([&] { answer = TheDesktop().ConfirmYesAbort(nullptr, QStringLiteral("続けますか？")); },
                   [&](QMessageBox& box) {
                     EXPECT_EQ(box.icon(), QMessageBox::Question);
                     EXPECT_EQ(box.text(), QStringLiteral("続けますか？"));
                     EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::Abort);
                     box.button(c.press)->click();
                   });
    EXPECT_EQ(answer, c.yes);
  }
}

}  // namespace
}  // namespace orvane::ui::test
