#pragma once
// The browser views of every screen, one small class per screen in this folder.
namespace velkaro::web {

class WebUi;

// Registers every screen's view with the Ui by screen name.
void registerWebViews(WebUi& ui);

}  // namespace velkaro::web
