#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class TConfiger;

// The connection dialog: opens when the database cannot be opened and lets the operator
// correct the settings of cfg.ini. It owns the TConfiger it edits.
class TDBConfigFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TDBConfigFrm(QWidget *parent = nullptr);
    ~TDBConfigFrm() override;

    TConfiger &Configer() { return *m_configer; }

    static const QString JetFileFilter;

    QComboBox *ComboBox1 = nullptr;
    QStackedWidget *PageControl1 = nullptr;
    QLineEdit *mssqlServerEdit1 = nullptr;
    QLineEdit *mssqlPortEdit1 = nullptr;
    QLineEdit *mssqlDbEdit1 = nullptr;
    QLineEdit *mssqlUserEdit1 = nullptr;
    QLineEdit *mssqlPwEdit1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *jetDefaultCheckBox1 = nullptr;
    QLineEdit *jetfileEdit1 = nullptr;
    QToolButton *jetFileButton1 = nullptr;
    QLineEdit *jetUserEdit1 = nullptr;
    QLineEdit *jetPwEdit1 = nullptr;
    QLineEdit *edtQamUrl1 = nullptr;
    QLineEdit *edtQamUser1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildWindow();
    QLabel *BuildNotice();
    QGroupBox *BuildParameters();
    QWidget *BuildServerPage();
    QWidget *BuildFilePage();
    QWidget *BuildQamPage();
    QLayout *BuildButtons();
    void ApplyFont();
    void LoadControls();

    void Button1Click();
    void ComboBox1Change(int index);
    void jetDefaultCheckBox1Click();
    void jetFileButton1Click();
    void ApplyJetDefaultState();

    std::unique_ptr<TConfiger> m_configer;
};
