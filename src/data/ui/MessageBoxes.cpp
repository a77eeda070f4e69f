#include "data/ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QWidget *Owner()
{
    return QApplication::activeWindow();
}

QString Caption()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("系统提示") : name;
}
} // namespace

void TMessageBoxes::Show(Kind kind, const QString &text)
{
    switch (kind) {
    case Kind::Warning:
        QMessageBox::warning(Owner(), Caption(), text);
        break;
    case Kind::Error:
        QMessageBox::critical(Owner(), Caption(), text);
        break;
    default:
        QMessageBox::information(Owner(), Caption(), text);
        break;
    }
}

bool TMessageBoxes::Ask(Kind kind, const QString &text)
{
    if (kind == Kind::ConfirmDelete) {
        QMessageBox box(QMessageBox::Warning, Caption(), text,
                        QMessageBox::Ok | QMessageBox::Cancel, Owner());
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        box.setDefaultButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok;
    }
    QMessageBox box(QMessageBox::Question, Caption(), text, QMessageBox::Yes | QMessageBox::No,
                    Owner());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    return box.exec() == QMessageBox::Yes;
}

TAnswer TMessageBoxes::AskYesNoCancel(const QString &text)
{
    QMessageBox box(QMessageBox::Question, Caption(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Owner());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return TAnswer::Cancel;
    }
}

bool TMessageBoxes::Input(const QString &caption, const QString &prompt, QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(Owner(), caption, prompt, QLineEdit::Normal,
                                               value, &ok);
    if (ok)
        value = text;
    return ok;
}

void InstallMessageBoxes()
{
    SetMessageLayer(std::make_unique<TMessageBoxes>());
}
