#pragma once

#include <QString>

// The operator's desktop layout text (operator.Menus).
QString GetOperatorMenus(const QString &loginId);
void SetOperatorMenus(const QString &loginId, const QString &menus);
