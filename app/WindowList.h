#pragma once
// The application's twelve windows, listed once by their own types and design names.
namespace pelbrix {

class TAboxt;
class TBRate;
class TCHRate;
class TErro;
class TForm9;
class TMain;
class TOptxion;
class TTempConv;

// In the order the owner creates them; a window not created yet is null.
struct WindowList {
  TMain* Main = nullptr;
  TErro* Erro1 = nullptr;  // TErro1 … TErro5: the numbered error dialogs
  TErro* Erro2 = nullptr;
  TErro* Erro3 = nullptr;
  TErro* Erro4 = nullptr;
  TErro* Erro5 = nullptr;
  TTempConv* TempConv = nullptr;
  TOptxion* Optxion = nullptr;
  TForm9* Form9 = nullptr;
  TBRate* BRate = nullptr;
  TAboxt* Aboxt = nullptr;
  TCHRate* CHRate = nullptr;
};

}  // namespace pelbrix
