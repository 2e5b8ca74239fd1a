#pragma once
// Registers the window of every screen with the Qt Ui.
namespace velkaro::qt {

class QtUi;

void registerViews(QtUi& ui);

}  // namespace velkaro::qt
