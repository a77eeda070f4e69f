#pragma once

#include <QHeaderView>

class TksDBGrid;

// The title row of a grid: draws the sort markers of every sorted column (with its rank when
// several columns sort) and remembers the modifiers of the last click.
class TGridHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit TGridHeader(TksDBGrid *grid);
    Qt::KeyboardModifiers LastModifiers() const { return m_modifiers; }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    TksDBGrid *m_grid;
    Qt::KeyboardModifiers m_modifiers;
};
