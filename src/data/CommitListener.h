#pragma once
// Told after every durable step (a file or a folder entry that must survive a crash is on the
// disk). A front end whose files live in memory first, such as the browser's, copies them to
// lasting storage here; the native game sets no listener.
namespace velkaro {

class CommitListener {
 public:
  virtual ~CommitListener() = default;
  // False when the step could not be carried further: the step then counts as failed.
  virtual bool committed() = 0;

  // The one listener, or nullptr for none; the caller keeps it alive while it is set.
  static void set(CommitListener* listener);
  // True when there is no listener or it carried the step.
  static bool notify();
};

}  // namespace velkaro
