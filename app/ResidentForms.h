#pragma once
// The resident forms created after the main window, in a fixed order, each
// kept in its global pointer for the life of the program.
//
// A subsystem registers its form from its Build*Commands function (which
// the main window runs while it is constructed), e.g.
//     registerResidentForm(ResidentForm::Kakko, [](TForm1& main) {
//         FormKakko = new TFormKakko(&main);
//     });
// and the program entry then creates every registered form in order.
#include <functional>

class TForm1;

enum class ResidentForm {
    EditDialog = 1,
    MathUp,
    MathDown,
    LabelSearch,
    CmdAssist,
    MidasiSearch,
    Kakko,
    Init,
    Search,
    Replace,
    TMoji,
};

using ResidentFormFactory = std::function<void(TForm1& main)>;

// Registering a form again replaces its factory.
void registerResidentForm(ResidentForm order, ResidentFormFactory factory);
// Runs the registered factories in order; returns how many ran.
int createResidentForms(TForm1& main);

// The program entry after the application object exists: title, the main
// window and the resident forms, the event loop.  An exception that leaves
// start-up is shown and the program still ends normally.  Returns the exit
// code (0).
class QApplication;
int runQuillmark(QApplication& application);
