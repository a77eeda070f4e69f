#pragma once

#include <QObject>

// The settings store: key-value access, pick lists, the company record, display formats.
class TstSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void keyValue2Rows();
    void valueColumn_data();
    void valueColumn();
    void pickLists();
    void displayFormats_data();
    void displayFormats();
    void companyFilled_data();
    void companyFilled();
    void companySaveInsertsThenUpdates();
    void commonSettings();
};
