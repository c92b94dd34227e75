#include "app/ResidentForms.h"

#include <QApplication>

#include "app/Form1.h"
#include "platform/Ask.h"
#include "platform/Translations.h"

int runQuillmark(QApplication& application, const QStringList& parameters)
{
    application.setApplicationName("Quillmark");
    translations::installQtJapanese(application);
    TForm1* main = nullptr;
    try {
        main = new TForm1;
        ask::setMainWindow(main);
        main->CommandLine = parameters;
        createResidentForms(*main);
        // The conversation server lets the companion program reach this
        // instance when TeX stops at an error.
        main->StartDdeServer();
        main->show();
        application.exec();
    } catch (...) {
        // Only a window that could not be made gets here: once it stands,
        // every handler runs behind its own boundary.
        ask::exceptionMessage(std::current_exception());
    }
    ask::setMainWindow(nullptr);
    delete main;
    return 0;
}
