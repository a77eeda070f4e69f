#pragma once

#include <QObject>

QObject *NewBuyBillTest();
QObject *NewBuyListsTest();
