// The one application object of Nuvari.
#include "NuvariApp.h"

CNuvariApp theApp;
