#include "admin/TstAdmin.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(new TstAdmin)
