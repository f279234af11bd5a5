#pragma once

// Lets code that calls out to handlers find out whether an object survived the call.

#include <memory>

namespace gui {

class TAliveToken {
 public:
  TAliveToken() : FAlive(std::make_shared<bool>(true)) {}
  TAliveToken(const TAliveToken&) = delete;
  TAliveToken& operator=(const TAliveToken&) = delete;
  ~TAliveToken() { *FAlive = false; }

  class TWatch {
   public:
    explicit TWatch(std::shared_ptr<const bool> alive) : FAlive(std::move(alive)) {}
    bool Alive() const { return *FAlive; }
    explicit operator bool() const { return *FAlive; }

   private:
    std::shared_ptr<const bool> FAlive;
  };

  TWatch Watch() const { return TWatch(FAlive); }

 private:
  std::shared_ptr<bool> FAlive;
};

}  // namespace gui
