#include "ui/support/UiTestSupport.h"
