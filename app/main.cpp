#include <QApplication>

#include "app/CommandLine.h"
#include "app/ResidentForms.h"

int main(int argc, char** argv)
{
    // Qt takes the switches it knows ("-reverse", "-platform x", "-style x"
    // and more) out of the command line it is given and acts on them, so a
    // file named like one would change the window instead of opening.  Qt is
    // given the program's own name alone; every parameter is the editor's.
    const QStringList parameters = cmdline::parametersOf(argc, argv);
    int qtArgc = 1;
    char program[] = "quillmark";
    char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : program, nullptr};
    QApplication application(qtArgc, qtArgv);
    return runQuillmark(application, parameters);
}
