#pragma once

#include "grids/ui/ksBillGrid.h"

// The bill grid forms place.
class TBillGrid : public TksBillGrid
{
    Q_OBJECT
public:
    using TksBillGrid::TksBillGrid;
};
