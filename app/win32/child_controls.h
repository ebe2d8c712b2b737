// The main window's controls with windows of their own (the boxes, the
// buttons and the list), one object each, made from the layout table.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/form1.h"
#include "app/win32/controls/child_control.h"
#include "app/win32/drawing/fonts.h"
#include "app/win32/drawing/pictures.h"
#include "form/layout.h"

namespace speedrail::win32 {

class ChildControls {
public:
    // Makes the controls and their windows, children of `parent`, in tab
    // order, the order TAB visits the children in. They show `form`'s
    // state and hand it their clicks.
    void create(HWND parent, Form1& form, PictureDecoder& pictures, FontFaces& faces, int dpi);
    void setDpi(FontFaces& faces, int dpi);
    // The controls and their windows go.
    void clear();

    // Null for the windowless controls and for any other window.
    ChildControl* find(layout::ControlId id) const;
    ChildControl* find(HWND window) const;
    // The control as its own class; null when it is not one.
    template <typename Control>
    Control* find(layout::ControlId id) const {
        return dynamic_cast<Control*>(find(id));
    }

    // A child window's message about itself (a command, drawing, colours),
    // answered by its control; nothing for any other message.
    std::optional<LRESULT> reflect(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    ChildControl* findById(UINT windowId) const;

    std::vector<std::unique_ptr<ChildControl>> controls_;  // in tab order
};

}  // namespace speedrail::win32
