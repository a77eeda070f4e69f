#pragma once

#include "shell/ui/ADlgFrm.h"
#include "shell/ui/Link.h"

class QLineEdit;
class QRadioButton;
class QPushButton;

// "工具属性": the title, kind, address or file and description of one tools-menu item.
class TToolEditorFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TToolEditorFrm(QWidget *parent = nullptr);
    // A new tool starts as a web link with the address "http://".
    void SetLink(const TLink &link);
    TLink Link() const { return m_link; }
    // The problems of the entries, in the order they are reported; empty when all is well.
    QStringList Problems() const;

    QLineEdit *edtTitle;
    QRadioButton *rbUrl;
    QRadioButton *rbFile;
    QLineEdit *edtUrl;
    QLineEdit *edtFile;
    QPushButton *btnBrowse;
    QLineEdit *edtNote;

protected:
    void OkClicked() override;

private:
    void KindChanged();
    void Browse();
    TLink m_link;
};
