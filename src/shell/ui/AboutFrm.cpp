#include "shell/ui/AboutFrm.h"

#include "shell/ui/AppInfo.h"

#include <QGridLayout>
#include <QLabel>

TAboutFrm::TAboutFrm(QWidget *parent) : TAInfoDlgFrm(parent, QStringLiteral("AboutFrm"))
{
    setWindowTitle(QStringLiteral("关于 %1").arg(AppTitle()));
    auto *logo = new QLabel(Client());
    logo->setPixmap(QPixmap(QStringLiteral(":/pictures/logo.png")));
    logo->setAlignment(Qt::AlignTop);
    auto *title = new QLabel(AppTitle(), Client());
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    auto *version = new QLabel(VersionText() + QStringLiteral("  ") + BuildText(), Client());
    auto *note = new QLabel(QStringLiteral("企业采购业务的计划、申请、询价、订单、收货、质检、"
                                           "发票、付款与应付款管理。"),
                            Client());
    note->setWordWrap(true);
    note->setFixedWidth(300);
    auto *grid = new QGridLayout(Client());
    grid->addWidget(logo, 0, 0, 3, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(note, 2, 1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
