#include "ui/support/fake_desktop.hpp"

namespace orvane::ui::test {

DesktopScope::DesktopScope() {
  auto fake = std::make_unique<FakeDesktop>();
  fake_ = fake.get();
  SetDesktop(std::move(fake));
}

DesktopScope::~DesktopScope() { SetDesktop(nullptr); }

}  // namespace orvane::ui::test
