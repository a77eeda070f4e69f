#include "purchasing/TestObjects.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(NewBuyBillTest(), NewBuyListsTest())
