#pragma once
// The sub-menus and pop-ups the text insertion commands build and drop down
// from their tool buttons, kept as a part of the session
// (s.part<insert::InsertMenus>()).  The menus are children of the main
// window; this only finds them again.
class QMenu;
class PickerFamily;

namespace insert {

struct InsertMenus {
    // headings: the insert menu's sub-menu and the tool button's pop-up
    QMenu* MenuTexMidasi = nullptr;
    QMenu* PopupMenuMidasi = nullptr;
    // breaks (a pop-up family) and spaces
    PickerFamily* BreakFamily = nullptr;
    QMenu* PopupMenuDanraku = nullptr;
    QMenu* PopupMenuSpace = nullptr;
    // the HyperTeX sub-menu and the verbatim pop-up
    QMenu* MenuTexinHyper = nullptr;
    QMenu* PopupMenuVerb = nullptr;
    // the 表 sub-menu and its pop-up
    QMenu* MenuTexinHyou = nullptr;
    QMenu* PopupMenuTable = nullptr;
    // the bibliography pop-up
    QMenu* PopupMenuBib = nullptr;
};

}  // namespace insert
