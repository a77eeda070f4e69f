#pragma once

#include "shell/ui/aFrm.h"

class QPushButton;
class QHBoxLayout;
class QVBoxLayout;

// A fixed dialog centred on its owner with the strip "确定(&O)", "取消" (also Escape), "帮助".
// Subclasses put their controls into Client().
class TADlgFrm : public TaFrm
{
    Q_OBJECT
public:
    explicit TADlgFrm(QWidget *parent = nullptr, const QString &name = QString());

    QWidget *Client() const { return m_client; }
    QPushButton *OkButton() const { return m_ok; }
    QPushButton *CancelButton() const { return m_cancel; }
    QPushButton *HelpButton() const { return m_help; }

protected:
    // Called by "确定": accept() unless the subclass finds the input wanting.
    virtual void OkClicked();
    void showEvent(QShowEvent *event) override;
    QHBoxLayout *ButtonStrip() const { return m_strip; }

private:
    QWidget *m_client;
    QHBoxLayout *m_strip;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
};
