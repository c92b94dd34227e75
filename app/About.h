#pragma once
// The about box.
#include <QDialog>

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner = nullptr);
    int HelpContext = 10040;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
