#pragma once

#include <QObject>

QObject *NewBillFrmTest();
QObject *NewBuyBillFrmTest();
QObject *NewBuyPickerFinderTest();
