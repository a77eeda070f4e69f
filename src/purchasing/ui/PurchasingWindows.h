#pragma once

class Tmall;

// Tells the launcher which purchasing windows this module opens: the arrival window by
// bill kind.
void RegisterPurchasingWindows(Tmall &mall);
