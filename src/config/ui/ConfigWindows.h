#pragma once

class Tmall;

// Registers with the launcher "ChangePassword", "OpenOperators", "OpenOptions", "OpenCompany"
// and the check of the company information at start-up.
void RegisterConfigWindows(Tmall &mall);
