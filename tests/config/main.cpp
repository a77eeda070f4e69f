#include "TstConfiger.h"
#include "TstConnectDatabase.h"
#include "TstDBConfigFrm.h"
#include "TstOperator.h"
#include "TstQamLookup.h"
#include "support/TestSupport.h"

#include <QApplication>

OPENBUY_TEST_MAIN(new TstConfiger, new TstQamLookup, new TstDBConfigFrm, new TstConnectDatabase,
                  new TstOperator)
