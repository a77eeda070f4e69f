#pragma once

#include <QObject>

QObject *NewRecordsTest();
QObject *NewWaresTest();
