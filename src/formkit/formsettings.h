// Window settings that Qt Designer cannot express as widget properties: the
// border style, the title-bar buttons and the placement. The .ui files record
// them as dynamic properties of the form, and this applies them, so that the
// layout data alone decides them:
//   borderStyle  "bsSingle" (fixed size) or "bsSizeable" (the default)
//   borderIcons  "biSystemMenu,biMinimize[,biMaximize]"
//   position     "poDefaultPosOnly" (the window system places it, the default)
//                or "poDesigned" with designedPosition (a QPoint)
//   autoSize     on a QLabel: the label is sized to its text
//   fontHeight   on the form or a control: the font's character height in
//                pixels, negated as the layout data writes it (-11: 11 pixels);
//                Designer's fonts know points only
#pragma once

class QWidget;

namespace formkit {

// Call once, right after setupUi(), before the window is first shown.
void applyFormSettings(QWidget *form);

// Maps the face the windows were designed with ("MS Sans Serif") onto faces
// found on this desktop. Call once, before the first window is created.
void substituteDesignFonts();

} // namespace formkit
