#pragma once

#include <QObject>

QObject *NewListObjectsTest();
QObject *NewLookupsTest();
QObject *NewSupplierWindowsTest();
QObject *NewWareEditorTest();
QObject *NewInfoListTest();
