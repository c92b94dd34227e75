#include <QApplication>

#include "app/ResidentForms.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return runQuillmark(application);
}
