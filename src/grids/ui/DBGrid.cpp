#include "grids/ui/DBGrid.h"

TDBGrid::TDBGrid(QWidget *parent) : TksDBGrid(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}
