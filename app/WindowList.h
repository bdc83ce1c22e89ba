#pragma once
// The application's twelve windows, listed once by their own types and design names.
#include <functional>

namespace pelbrix {

class TAboxt;
class TBRate;
class TCHRate;
class TErro;
class TForm9;
class TMain;
class TOptxion;
class TTempConv;

// A secondary window that is built the first time anything asks for it, with what it read
// at start-up; it then stays until the owner destroys it. Reads as a pointer to the window.
template <class Form>
class WindowOnDemand {
 public:
  Form* get() const {
    if (!form_ && build_) form_ = build_();
    return form_;
  }
  operator Form*() const { return get(); }
  Form* operator->() const { return get(); }
  // True once the window has been built.
  bool built() const { return form_ != nullptr; }

 private:
  friend class Application;
  mutable Form* form_ = nullptr;
  std::function<Form*()> build_;  // empty: nothing builds it (any more)
};

// In the order the owner creates them at start-up; a window not created yet is null.
struct WindowList {
  TMain* Main = nullptr;
  WindowOnDemand<TErro> Erro1;  // TErro1 … TErro5: the numbered error dialogs
  WindowOnDemand<TErro> Erro2;
  WindowOnDemand<TErro> Erro3;
  WindowOnDemand<TErro> Erro4;
  WindowOnDemand<TErro> Erro5;
  WindowOnDemand<TTempConv> TempConv;
  WindowOnDemand<TOptxion> Optxion;
  TForm9* Form9 = nullptr;
  WindowOnDemand<TBRate> BRate;
  WindowOnDemand<TAboxt> Aboxt;
  WindowOnDemand<TCHRate> CHRate;
};

}  // namespace pelbrix
