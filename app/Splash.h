#pragma once
// The splash form shown while the main window is created.
#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
