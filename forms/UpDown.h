#pragma once
// An up-down control bound to an edit field: the arrows step the position
// between Min and Max and write it into the field; the position read back is
// the field's number when it holds one in range, else the last position.
#include <QWidget>
#include <functional>

class QLineEdit;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit& associate, QWidget* parent);
    int Min = 0;
    int Max = 100;
    int Position() const;
    void SetPosition(int position);
    // Steps by delta as an arrow press does.
    void Step(int delta);
    std::function<void()> OnClick;

private:
    QLineEdit& associate_;
    int position_ = 0;
};
