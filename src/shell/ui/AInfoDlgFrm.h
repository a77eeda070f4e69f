#pragma once

#include "shell/ui/aFrm.h"

class QPushButton;

// A fixed information window centred on the main window with "关闭" (also Escape) and "帮助".
class TAInfoDlgFrm : public TaFrm
{
    Q_OBJECT
public:
    explicit TAInfoDlgFrm(QWidget *parent = nullptr, const QString &name = QString());
    QWidget *Client() const { return m_client; }
    QPushButton *CloseButton() const { return m_close; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_client;
    QPushButton *m_close;
};
