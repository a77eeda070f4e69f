#include "TstDesignModel.h"
#include "TstRep.h"
#include "TstReportEngine.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(new TstReportEngine, new TstDesignModel, new TstRep)
