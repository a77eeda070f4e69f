#include "TstConfiger.h"
#include "TstConnectDatabase.h"
#include "TstDBConfigFrm.h"
#include "TstLoginFrm.h"
#include "TstOperator.h"
#include "TstOperatorsFrm.h"
#include "TstOptionEdtFrm.h"
#include "TstQamLookup.h"
#include "TstSettings.h"
#include "support/TestSupport.h"

#include <QApplication>

OPENBUY_TEST_MAIN(new TstConfiger, new TstQamLookup, new TstDBConfigFrm, new TstConnectDatabase,
                  new TstOperator, new TstSettings, new TstLoginFrm, new TstOperatorsFrm,
                  new TstOptionEdtFrm)
