// One program per user: a second start asks the first to come to the front.
#include "ui/app/single_instance.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "ui/support/main_window_fixture.hpp"

namespace orvane::ui::test {
namespace {

QString UniqueName(const char* what) {
  return QStringLiteral("OrvaneMutexTest-%1-%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(what));
}

TEST(SingleInstanceTest, TheNameIsTheMutexName) {
  EXPECT_TRUE(SingleInstance::DefaultName().startsWith(QStringLiteral("OrvaneMutex")));
}

TEST(SingleInstanceTest, ASecondStartAsksTheFirstToRaiseItselfAndDoesNotRun) {
  SingleInstance first(UniqueName("raise"));
  ASSERT_TRUE(first.Claim());
  QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
  SingleInstance second(UniqueName("raise"));
  EXPECT_FALSE(second.Claim());
  EXPECT_TRUE(raised.size() == 1 || raised.wait(3000));
}

TEST(SingleInstanceTest, ASocketLeftByAProgramThatDiedDoesNotBlockTheStart) {
  const QString name = UniqueName("stale");
  QFile stale(QDir(QDir::tempPath()).filePath(name));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.close();
  SingleInstance instance(name);
  EXPECT_TRUE(instance.Claim());
}

using RaiseTest = MainWindowFixture;

TEST_F(RaiseTest, TheFirstInstancesWindowIsRestoredFromMinimised) {
  TfrmOrvane& window = Start();
  window.showMinimized();
  ASSERT_TRUE(window.isMinimized());
  SingleInstance first(UniqueName("window"));
  ASSERT_TRUE(first.Claim());
  QObject::connect(&first, &SingleInstance::RaiseRequested, &window, &TfrmOrvane::BringToFront);
  SingleInstance second(UniqueName("window"));
  EXPECT_FALSE(second.Claim());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 3000));
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace orvane::ui::test
