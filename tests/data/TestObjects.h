#pragma once

#include <QObject>

QObject *NewDialectTest();
QObject *NewDataSetTest();
QObject *NewDatabaseTest();
QObject *NewUtilsTest();
QObject *NewStoreTest();
