#pragma once
#include <QDialog>

// "Info über Kalvora": name, version, maker and the years of the school-holiday table.
class CInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget* parent = nullptr);
};
