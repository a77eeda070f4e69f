#include "CatsFixture.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(NewWarecataTreeTest(), NewCategoryWindowsTest(), NewGoodsWindowsTest())
