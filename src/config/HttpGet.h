#pragma once

#include <QString>

class QUrl;

// A blocking GET of a text resource: runs a local event loop until the reply arrives or the
// time runs out. False on any network or HTTP failure, with the reason in error.
bool HttpGetText(const QUrl &url, int timeoutMs, QString *body, QString *error = nullptr);
