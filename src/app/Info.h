#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace trelvan {

// The about box: product, version and the keyboard commands of the test caller.
class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TfrmInfo* frmInfo;

} // namespace trelvan
