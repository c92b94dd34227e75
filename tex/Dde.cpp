// The editor's conversation server and the error jump.
#include "app/Form1.h"

void TForm1::StartDdeServer() {}
void TForm1::DdeServerItem1PokeData(const std::string&) {}
