// A game form on the headless platform, for the tests that call the form's routines directly.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "shell/form.h"

namespace zk::test {

// The platform first, so it outlives the form that holds its devices.
struct HeadlessForm {
  std::unique_ptr<Platform> host = MakeHeadlessPlatform();
  TForm1 form{*host};
};

}  // namespace zk::test
