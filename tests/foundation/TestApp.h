// The program object as the tests use it: Nuvari's, with its title from the resources and its
// registry root, but without start-up.
#pragma once

#include "NuvariApp.h"

class TestApp : public CNuvariApp {
 public:
  TestApp();
};
