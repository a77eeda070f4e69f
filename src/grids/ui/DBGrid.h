#pragma once

#include "grids/ui/ksDBGrid.h"

// The list grid of list, finder and report windows: whole rows are selected, cells are read.
class TDBGrid : public TksDBGrid
{
    Q_OBJECT
public:
    explicit TDBGrid(QWidget *parent = nullptr);
};
