#pragma once
#include <QDialog>

// "Info über Kalvora": name, version and maker.
class CInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget* parent = nullptr);
};
