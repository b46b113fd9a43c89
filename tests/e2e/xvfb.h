// A private X server for one test: Xvfb on a display number it chooses
// itself, stopped when the object goes, even when the test fails.
#pragma once

#include <memory>
#include <string>

#include "process.h"

namespace sledloop::e2e {

class Xvfb {
  public:
    // Nothing when the server did not come up; `error` says why.
    static std::unique_ptr<Xvfb> start(std::string& error);
    const std::string& display() const { return display_; }

  private:
    std::unique_ptr<Process> server_;
    std::string display_;
};

}  // namespace sledloop::e2e
