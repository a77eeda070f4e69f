#pragma once

#include "masterdata/WareCataSet.h"
#include "masterdata/WareSet.h"

#include <QObject>
#include <QString>

QObject *NewWarecataTreeTest();
QObject *NewCategoryWindowsTest();
QObject *NewGoodsWindowsTest();

// A fresh database with the operator sa logged in and the settings loaded.
void OpenCatsDatabase();
// Stores a tree written as "A(B,C),D": names, children in brackets. Returns it as saved.
RWareCatas StoreTree(const QString &shape);
// The shape of the stored tree in the same notation, from SlfId and PrtId.
QString StoredShape();
// Every stored category as "Name=Code" in SlfId order, joined by spaces.
QString StoredCodes();
// Every stored row as it stands, for before/after comparisons.
QString DumpCategories();
int CategoryId(const QString &name);
// A goods item in a category (no category when name is empty).
int StoreGoods(const QString &code, const QString &name, const QString &category);
int CountOf(const QString &sql);
