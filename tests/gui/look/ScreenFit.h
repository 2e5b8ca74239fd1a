#pragma once
// What a window looks like on the player's screen: whether its frame and its controls can be
// seen whole, and the colour a control is painted in.
#include <QColor>
#include <QStringList>

class QWidget;

namespace ScreenFit {

// Every way the window does not fit: its frame (title bar and border included) beyond the
// screen's usable area, a button, list, table or tab bar outside the window or cut by the
// widget that holds it, a button smaller than its text needs. Empty when it fits.
QStringList misfits(QWidget* window);

// The colour most of the widget's pixels have on the display: the background of a list or label.
QColor dominantColour(QWidget* widget);

}  // namespace ScreenFit
