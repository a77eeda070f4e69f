#include "purchasing/ui/UiTestObjects.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(NewBillFrmTest(), NewBuyBillFrmTest(), NewBuyPickerFinderTest())
