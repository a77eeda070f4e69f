#pragma once

#include <QObject>

class TstDesignModel : public QObject
{
    Q_OBJECT
private slots:
    void addSnapsAndUndoes();
    void moveAndResizeStayInBand_data();
    void moveAndResizeStayInBand();
    void copyPasteAndDelete();
    void undoRedoChain();
};
