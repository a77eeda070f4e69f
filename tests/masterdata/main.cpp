#include "masterdata/TestObjects.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(NewRecordsTest(), NewWaresTest())
