#pragma once

#include "prompts/prompts.h"
#include "settings/message_table.h"

namespace kinvarro {

/// Held while a long operation walks the element table by index and lets the
/// interface run in between: the commands that could add, delete or reorder
/// elements, or replace the document, ask it first and are refused meanwhile.
class TableGuard {
  public:
    bool locked() const { return locked_; }

    /// True, after telling the user why, when a command must not run now.
    bool refuse(Prompts &prompts, const MessageTable &messages) const {
        if (!locked_)
            return false;
        prompts.tell(MessageIcon::Information, messages.text(Msg::mKinvarro),
                     messages.text(Msg::mColouringRunning));
        return true;
    }

    /// Locks the table for the lifetime of the object.
    class Lock {
      public:
        explicit Lock(TableGuard &guard) : guard_(guard) { guard_.locked_ = true; }
        ~Lock() { guard_.locked_ = false; }
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;

      private:
        TableGuard &guard_;
    };

  private:
    bool locked_ = false;
};

}  // namespace kinvarro
