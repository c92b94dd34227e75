#pragma once
// The resident forms created after the main window, in a fixed order, each
// kept in its global pointer for the life of the program.
//
// A subsystem registers its form while its commands are built, e.g.
//     registerResidentForm(ResidentForm::Kakko, [](Session& session) {
//         FormKakko = new TFormKakko(session);
//     });
// and the program entry then creates every registered form in order.
#include <functional>

class Session;

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

using ResidentFormFactory = std::function<void(Session& session)>;

// Registering a form again replaces its factory.
void registerResidentForm(ResidentForm order, ResidentFormFactory factory);
// Runs the registered factories in order; returns how many ran.
int createResidentForms(Session& session);

// The name of the objects through which the window's children call back
// into it (event filters); the window removes them before its children go.
inline constexpr char kWindowHookName[] = "TForm1Hook";
