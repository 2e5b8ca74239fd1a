#include "screens/ScreenFactory.h"

#include "resolution/Msg.h"
#include "screens/Strate.h"
#include "setup/Form2.h"
#include "turn/Main.h"

namespace velkaro {

std::unique_ptr<Screen> ScreenFactory::make(ScreenKind kind, GameContext& context, Ui& ui) {
  switch (kind) {
    case ScreenKind::Form2: return std::make_unique<Form2>(context, ui);
    case ScreenKind::Main: return std::make_unique<Main>(context, ui);
    case ScreenKind::Msg: return std::make_unique<Msg>(context, ui);
    case ScreenKind::Strate: return std::make_unique<Strate>(context, ui);
    default: return nullptr;
  }
}

}  // namespace velkaro
