#include "TstReportWindows.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(new TstReportWindows)
