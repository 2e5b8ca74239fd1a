#include "data/CommitListener.h"

namespace velkaro {
namespace {

CommitListener* current = nullptr;

}  // namespace

void CommitListener::set(CommitListener* listener) { current = listener; }

bool CommitListener::notify() { return current == nullptr || current->committed(); }

}  // namespace velkaro
