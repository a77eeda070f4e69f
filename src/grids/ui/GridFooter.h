#pragma once

#include <QWidget>

class TksDBGrid;

// The footer row under the data rows: the live sum of every column marked for it, aligned
// with the columns as they scroll, move and resize.
class TGridFooter : public QWidget
{
    Q_OBJECT
public:
    explicit TGridFooter(TksDBGrid *grid);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TksDBGrid *m_grid;
};
