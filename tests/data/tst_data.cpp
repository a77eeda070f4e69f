#include "data/TestObjects.h"
#include "support/TestSupport.h"

OPENBUY_TEST_MAIN(NewDialectTest(), NewDataSetTest(), NewUtilsTest(), NewDatabaseTest(),
                  NewStoreTest())
