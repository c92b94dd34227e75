#pragma once
// The sub-menus and pop-ups the math commands make, kept for the session
// (s.part<math::MathMenus>()).
class QMenu;

namespace math {

struct MathMenus {
    QMenu* MenuTexMathMode = nullptr;
    QMenu* MenuMathSize = nullptr;
    QMenu* PopupMenuMathRoot = nullptr;
    QMenu* MenuTexMathUD = nullptr;
    QMenu* PopupMenuMathUp = nullptr;
    QMenu* PopupMenuMathDown = nullptr;
    QMenu* PopupMenuMathUpDown = nullptr;
};

}  // namespace math
