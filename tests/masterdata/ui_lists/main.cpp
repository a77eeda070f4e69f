#include "Tests.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(NewListObjectsTest(), NewLookupsTest(), NewSupplierWindowsTest(),
                  NewWareEditorTest(), NewInfoListTest())
