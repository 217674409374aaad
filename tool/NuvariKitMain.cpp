// The one application object of NuvariKit.
#include "NuvariKitApp.h"

CNuvariKitApp theApp;
