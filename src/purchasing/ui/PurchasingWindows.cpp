#include "purchasing/ui/PurchasingWindows.h"

#include "purchasing/BuyBill2.h"
#include "purchasing/ui/BuyBillFrm.h"

#include "shell/ui/Mall.h"

void RegisterPurchasingWindows(Tmall &mall)
{
    mall.RegisterBill(bkBuy, [](QWidget *owner, int id, bool *loaded) -> QWidget * {
        auto *window = new TBuyBillFrm(owner);
        if (id <= 0)
            TBuyBill2::LastId(id);
        // A bill that cannot be loaded leaves the window on the empty bill, closed.
        const bool found = id > 0 && window->OpenBill(id);
        if (!found)
            window->ShowClosed();
        if (loaded)
            *loaded = found;
        return window;
    });
}
