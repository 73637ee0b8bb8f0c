#pragma once

#include <QFont>
#include <QRect>
#include <Qt>
#include <cstdint>

class QAbstractButton;
class QLabel;
class QWidget;

namespace dialogs {

// A rectangle as the window designs give it (twips, 15 to the pixel), in pixels.
QRect twipsRect(int left, int top, int width, int height);

// Puts a window above other windows or not. Only the z-order changes: the
// native window is kept, so a shown window neither hides nor moves.
void setStaysOnTop(QWidget* window, bool on);
bool staysOnTop(const QWidget* window);

// Places a top-level window in the middle of the primary screen's work area.
void centreOnScreen(QWidget* window);

// The platform's standard dialog font at the size the designs were drawn for.
QFont dialogFont(bool bold = false);

// Makes a caption fit a control whose design width is too small for it (the
// fonts and indicators here are wider than those the layout was drawn for): a
// check box or option button grows into the free room of its frame, then the
// font is narrowed as far as needed. Call it once the control has its place.
void fitCaption(QAbstractButton* control);

// Sizes a label to its text, centred on the rectangle its design gives it.
void placeCentred(QLabel* label, const QRect& design);

// Sends one Tab key to a window, as if typed, once the window has been shown
// and has become the active window; a Tab before that only gives the first focus.
void tabOnceActive(QWidget* window);

}  // namespace dialogs
